#pragma once

#include <windows.h>

#include "screen/ScrollBackControl.h"

class ScreenBuffer;
class Window;

// What find, save and print need from the terminal window: its screen and
// history, scroll-back mode, and messages captioned with its title.
class TextServiceHost : public virtual ScrollBackControl {
  public:
    virtual Window& OwnerWindow() = 0;
    virtual ScreenBuffer& Screen() = 0;
    // Shows the history from line top, with the store's cursor standing
    // there already.
    virtual void ShowHistoryAt(int top) = 0;
    // A message box owned by the window and captioned with its title text.
    virtual int AskWithTitle(const char* text, UINT type) = 0;
};
