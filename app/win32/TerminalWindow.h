#pragma once

#include "winlib/FrameWindow.h"

// The program's one top-level window, of class "LUMO32", with the menu and
// the accelerators of the same name. Commands that no part of the window
// handles are answered with "Command not implemented".
class TerminalWindow : public FrameWindow {
  public:
    static constexpr const char* ClassName = "LUMO32";

    // Creates, shows and updates the window; false if it cannot be created.
    bool Start(const char* caption, int showCommand);

    LRESULT HandleCommand(int id, HWND control, int notifyCode) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    LRESULT EraseBackground(HDC context);
};
