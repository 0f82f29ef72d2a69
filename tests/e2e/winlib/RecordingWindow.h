#pragma once

#include "winlib/FrameWindow.h"

// A frame window that records which of its operations were called, and with
// what, and counts its own destruction.
class RecordingWindow : public FrameWindow {
  public:
    ~RecordingWindow() override { ++destructions; }

    LRESULT HandleCommand(int id, HWND control, int notifyCode) override;
    LRESULT HandleClose() override;
    LRESULT HandleSize(WPARAM type, LPARAM packedSize) override;
    LRESULT HandleMinMaxInfo(MINMAXINFO* info) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(PaintContext& context) override;

    // Creates a hidden top-level window of class "framewnd".
    bool CreateHidden();

    static int destructions;
    int commandId = -1;
    HWND commandControl = nullptr;
    int commandCode = -1;
    int closes = 0;
    int sizes = 0;
    LPARAM lastSize = 0;
    int minMaxInfos = 0;
    int paints = 0;
    bool paintHadContext = false;
    UINT lastMessage = 0;
    WPARAM lastWParam = 0;
    bool passCloseOn = false;
};
