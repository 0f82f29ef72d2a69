#pragma once

#include <vector>

#include "textsvc/HelpFile.h"
#include "winlib/Dialog.h"

// The program's help viewer: one window beside the terminal, owned by it,
// that shows LUM.HLP. The list on the left holds the index or the topics a
// search found; the right side shows a topic's text and its links. Back
// returns along the topics shown. Everything works from the keyboard: Tab
// moves between the parts, Enter opens the topic or link chosen in a list
// or searches from the search field, F1 shows the viewer's own topic,
// Escape closes the viewer.
class HelpViewer : public Dialog {
  public:
    // Carries out a request of the help interface for the owner:
    // HelpIndexCommand shows the index, HelpContextCommand the topic with
    // the context number, HelpQuitCommand closes the viewer. The first
    // request opens the viewer; when LUM.HLP cannot be read, or has no
    // topic for the context, one message box says so and nothing opens.
    static void Request(Window* owner, int command, int context);

  private:
    explicit HelpViewer(HelpFile& file);
    ~HelpViewer() override;

    bool HandleInitDialog() override;
    void HandleOk() override;
    void HandleCancel() override;
    bool HandleDialogCommand(int id, HWND control, int notifyCode) override;
    LRESULT HandleSize(WPARAM type, LPARAM packedSize) override;
    LRESULT HandleMinMaxInfo(MINMAXINFO* info) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    static HelpViewer* Open(Window* owner);
    void Present(HWND focus);
    void ShowTopic(int topic, bool remember);
    void ShowIndex();
    void Search();
    void Back();
    void ListTopics(const std::vector<int>& topics, const char* label, int chosen);
    void OpenListed();
    void FollowLink();
    void FillLinks();
    void LayOut();
    HWND Item(int id) const { return GetDlgItem(handle, id); }
    int Units(int dialogUnits, bool across) const;

    static HelpViewer* current;
    HelpFile file;
    std::vector<int> listed;
    std::vector<int> history;
    int shown = -1;
    HFONT textFont = nullptr;
};
