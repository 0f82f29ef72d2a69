#pragma once

#include "app/CommandTarget.h"
#include "app/WindowLimits.h"
#include "app/WindowPlacement.h"
#include "app/WindowSettings.h"
#include "app/win32/StreamWindow.h"
#include "textsvc/FindText.h"
#include "textsvc/win32/PasteRunner.h"
#include "textsvc/win32/SessionLog.h"
#include "textsvc/win32/TextServiceHost.h"

// The command layer of the terminal window: the placement and switches of
// section "Window", the commands of the menu and accelerators (run from
// the command table, with F1 help mode), help and About, the exit and
// shutdown confirmations, the fixed layout's size messages, the window's
// timers and the window-level messages (AutoFocus, the right mouse button).
// Settings are read when the object is made and written back when it is
// destroyed. The commands of the emulator and the session are the layers
// above it.
class CommandWindow : public StreamWindow, public TextServiceHost, public CommandTarget {
  public:
    static constexpr const char* ClassName = "LUMO32";
    static constexpr int LastMacroSize = 260;

    explicit CommandWindow(Profile& settings);
    ~CommandWindow() override;

    // Creates the window at its prepared placement, lays it out and shows it
    // with the show command.
    bool StartTerminal(const char* title, int showCommand);

    LRESULT HandleCommand(int id, HWND control, int notifyCode) override;
    LRESULT HandleClose() override;
    void Destroy() override;
    LRESULT HandleSize(WPARAM type, LPARAM packedSize) override;
    LRESULT HandleMinMaxInfo(MINMAXINFO* info) override;
    // The sizes the window may take now; the largest is its maximized size.
    WindowLimits CurrentLimits();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Geometry asks the window's switches.
    int SoftSizeOn() const override { return softSize; }

    // The commands of this layer.
    void SaveAs() override;
    void AppendTo() override;
    void Upload() override;
    void Print() override;
    void PrintSetup() override;
    void LoggingCommand() override;
    void Exit() override;
    void Copy() override;
    void CopyQuoted() override;
    void PasteClipboard() override;
    void PasteSelection() override;
    void PasteSelectionQuoted() override;
    void Find() override;
    void SelectAll() override;
    void ClearLinesOffTop() override;
    void FontCommand() override;
    void ColorsCommand() override;
    void ToggleRememberOrigin() override;
    void ToggleVerticalScrollBar() override;
    void ToggleAutoFocus() override;
    void ToggleSoftSize() override;
    void Resize80x24Command() override;
    void RunMacroDialog() override;
    void PlayMacro() override;
    void CallHelp(int command, int context) override;
    void RunAboutBox() override;
    void Tell(const char* text, bool informationIcon) override;

    HGLOBAL CopySelection(int quoted, int toClipboard);
    // Paste and upload: one at a time, sent by the idle work's PumpPaste.
    int PumpPaste();

    // Logging.
    void LogLine(const unsigned char* text) override;
    void LogReceivedBytes(const char* bytes, int count) override;

    // A message box owned by the window and captioned with its title text;
    // returns the button chosen.
    int AskWithTitle(const char* text, UINT type) override;

    // Find, save and print.
    Window& OwnerWindow() override { return *this; }
    ScreenBuffer& Screen() override { return screen; }
    void ShowHistoryAt(int top) override;

    WindowRect windowRect;
    int rememberOrigin;
    int autoFocus;
    int softSize;
    char lastMacro[LastMacroSize] = {};
    PasteRunner paste;
    int lastMacroIndex = 0;
    FindSettings find;
    SessionLog log;
    WindowPlacement placement;
    // 1 from F1 over an open menu until the next command arrives.
    int helpMode = 0;

  private:
    void Paste(int id);
    void ReleaseHold();
    bool WindowCorner(RECT& r);
    void WriteWindowSettings();
    void ApplyAutoFocus();
    LRESULT QueryEndSession();
    void Timer(UINT_PTR id);
    void EnterIdle(WPARAM source);
    void EndHelpModeLater();
};
