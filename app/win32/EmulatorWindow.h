#pragma once

#include "app/win32/CommandWindow.h"
#include "emulator/Emulator.h"
#include "keyboard/KeyMessages.h"

// The emulator layer of the terminal window: it owns the emulator and the
// terminal options (read from section "Terminal" when the object is made,
// written back when it is destroyed), feeds it the received bytes, routes
// the keyboard through key translation into the key queue, and runs the
// terminal's own commands.
class EmulatorWindow : public CommandWindow, public EmulatorHost {
  public:
    explicit EmulatorWindow(Profile& settings);
    ~EmulatorWindow() override;

    void ProcessInput(const char* bytes, int count) override;
    void CursorCell(int& row, int& col) override;
    // The layout moved the screen's lines: the cursor stays on its text.
    void SetCursorRow(int row) override { emulator.SetCursorRow(row); }
    int LocalEcho() override { return emulator.LocalEcho(); }
    int EncodeSent(unsigned char c, unsigned char* out) override {
        return emulator.EncodeSent(c, out);
    }

    // What the emulator asks of the window and the connection.
    void SendReply(const char* text, int length) override;
    // The bell, for the emulator and the key queue alike.
    void Beep() override;
    void ShowColumnsChanged() override;
    // Received data is shown: the window first takes the size that the
    // column switches before it call for.
    void ShowChanges() override;
    void SetSoftSize(int on) override { softSize = on ? 1 : 0; }
    void UpdateSizeItem() override;

    void ReportSize() override { emulator.ReportSize(); }
    // A new link learns whether the user's data needs all eight bits.
    void LinkEstablished() override;
    void ResetGeometry() override { emulator.ResetGeometry(); }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The terminal's commands.
    void RunTerminalSettings() override;
    void ToggleMultinational() override { emulator.ToggleMultinational(); }
    void ShowSizeHelp() override;

    Emulator emulator;

  private:
    KeyContext KeyboardContext() const;
    // Queues the codes of one key message and pumps the key queue.
    void QueueKeys(const KeyMessageResult& result);
    LRESULT KeyDown(WPARAM virtualKey, LPARAM keyData);
    LRESULT Char(WPARAM character, LPARAM keyData);
    LRESULT SysKeyDown(WPARAM virtualKey, LPARAM keyData);
    void AppendSizeItem();
    void TellBinaryOutput();
    void TakeColumnsSize();

    // While received data is processed, a column switch waits for the
    // window to take its size, and a new logical size for the size item.
    int receiving = 0;
    int columnsSizePending = 0;
    int sizeItemPending = 0;
};
