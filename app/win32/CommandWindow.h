#pragma once

#include "app/WindowLimits.h"
#include "app/WindowSettings.h"
#include "session/win32/StreamWindow.h"
#include "textsvc/FindText.h"
#include "textsvc/win32/PasteRunner.h"
#include "textsvc/win32/TextServiceHost.h"

// The command layer of the terminal window: the placement and switches of
// section "Window", the general command handler, the exit and shutdown
// confirmations, the fixed layout's size messages and the window-level
// messages (AutoFocus, the right mouse button). Settings are read when the
// object is made and written back when it is destroyed.
class CommandWindow : public StreamWindow, public TextServiceHost {
  public:
    static constexpr int LastMacroSize = 260;

    explicit CommandWindow(Profile& settings);
    ~CommandWindow() override;

    LRESULT HandleCommand(int id, HWND control, int notifyCode) override;
    LRESULT HandleClose() override;
    void Destroy() override;
    LRESULT HandleSize(WPARAM type, LPARAM packedSize) override;
    LRESULT HandleMinMaxInfo(MINMAXINFO* info) override;
    // The sizes the window may take now; the largest is its maximized size.
    WindowLimits CurrentLimits();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // A change of the logical screen size: the report to the host and the
    // size item do nothing here; ResetGeometry refreshes the size item.
    void ReportSize() override {}
    void ResetGeometry() override;

    // Geometry asks the window's switches.
    int SoftSizeOn() const override { return softSize; }

    // Edit commands.
    void SelectAll();
    void ClearLinesOffTop();
    HGLOBAL CopySelection(int quoted, int toClipboard);

    // Paste and upload: one at a time, sent by the idle work's PumpPaste.
    void Upload();
    int PumpPaste();

    // Logging and macros.
    void LogLine(const unsigned char* text) override;
    void LogReceivedBytes(const char* bytes, int count) override;
    void LoggingCommand();
    void RunLogDialog();
    void RunMacroDialog();
    void PlayMacro();

    // A message box owned by the window and captioned with its title text;
    // returns the button chosen.
    int AskWithTitle(const char* text, UINT type) override;

    // Find, save and print.
    Window& OwnerWindow() override { return *this; }
    ScreenBuffer& Screen() override { return screen; }
    int InScrollBack() override { return ScrollBackMode(); }
    void EnterScrollBack() override { StreamWindow::EnterScrollBack(); }
    void LeaveScrollBack() override { StreamWindow::LeaveScrollBack(); }
    void ShowHistoryAt(int top) override;

    // The answer to a command that no layer handles.
    LRESULT CommandNotImplemented();

    WindowRect windowRect;
    int rememberOrigin;
    int autoFocus;
    int softSize;
    char lastMacro[LastMacroSize] = {};
    PasteRunner paste;
    int lastMacroIndex = 0;
    FindSettings find;

  private:
    LRESULT Paste(int id);
    void ReleaseHold();
    void ToggleVerticalScrollBar();
    void ToggleSoftSize();
    bool WindowCorner(RECT& r);
    void WriteWindowSettings();
    void ApplyAutoFocus();
    LRESULT QueryEndSession();
};
