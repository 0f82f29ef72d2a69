#pragma once

#include "app/WindowPlacement.h"
#include "app/win32/CommandWindow.h"
#include "emulator/Emulator.h"
#include "keyboard/KeyMessages.h"

// The emulator layer of the terminal window: it owns the emulator and the
// terminal options (read from section "Terminal" when the object is made,
// written back when it is destroyed), feeds it the received bytes, routes
// the keyboard through key translation into the key queue, and adds the
// terminal's own commands to the command dispatch.
class EmulatorWindow : public CommandWindow, public EmulatorHost, private HeldKeyScroller {
  public:
    static constexpr const char* ClassName = "LUMO32";

    explicit EmulatorWindow(Profile& settings);
    ~EmulatorWindow() override;

    // Creates the window at its prepared placement, lays it out and shows it
    // with the show command.
    bool StartTerminal(const char* title, int showCommand);

    void ProcessInput(const char* bytes, int count) override;
    void CursorCell(int& row, int& col) override;
    // The layout moved the screen's lines: the cursor stays on its text.
    void SetCursorRow(int row) override { emulator.cursorRow = row; }
    int LocalEcho() override { return emulator.localEcho; }

    // What the emulator asks of the window and the connection.
    void SendReply(const char* text, int length) override;
    void Beep() override;
    void ShowColumnsChanged() override;
    // Received data is shown: the window first takes the size that the
    // column switches before it call for.
    void ShowChanges() override;
    void SetSoftSize(int on) override { softSize = on ? 1 : 0; }
    void UpdateSizeItem() override;

    void ReportSize() override { emulator.ReportSize(); }
    void ResetGeometry() override { emulator.ResetGeometry(); }

    LRESULT HandleCommand(int id, HWND control, int notifyCode) override;
    // The terminal's commands; everything else goes to the general handler.
    virtual LRESULT CommandHook(int id, HWND control, int notifyCode);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The Settings menu's terminal commands.
    void RunTerminalSettings();
    void ToggleMultinational() { emulator.ToggleMultinational(); }
    void ShowSizeHelp();
    // The help for a menu item, asked for with F1 while the item was
    // highlighted; the command itself is not run.
    void ShowMenuHelp(int id);

    // Help and About: the Help menu's commands open the help viewer.
    void ShowHelp(int id);
    void CallHelp(int command, int context);
    void RunAboutBox();

    Emulator emulator;
    // 1 from F1 over an open menu until the next command arrives.
    int helpMode = 0;
    WindowPlacement placement;

  private:
    int ScrollKey(unsigned virtualKey) override;
    KeyContext KeyboardContext() const;
    // Queues the codes of one key message and pumps the key queue.
    void QueueKeys(const KeyMessageResult& result);
    LRESULT KeyDown(WPARAM virtualKey, LPARAM keyData);
    LRESULT Char(WPARAM character, LPARAM keyData);
    LRESULT SysKeyDown(WPARAM virtualKey, LPARAM keyData);
    void AppendSizeItem();
    void EnterIdle(WPARAM source);
    void EndHelpModeLater();
    void TakeColumnsSize();

    // While received data is processed, a column switch waits for the
    // window to take its size, and a new logical size for the size item.
    int receiving = 0;
    int columnsSizePending = 0;
    int sizeItemPending = 0;
};
