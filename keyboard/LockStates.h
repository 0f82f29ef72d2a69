#pragma once

#include "keyboard/KeyCodes.h"

// The keyboard's lock states (Num Lock, Caps Lock, Scroll Lock) kept per
// terminal window: gaining the focus puts the terminal's own states into
// the platform's keyboard state and keeps the outside ones; losing it
// swaps them back. Key-state bytes are the platform's: bit 7 while the key
// is down, bit 0 while the lock is on.
class LockStates {
  public:
    static constexpr int KeyStateSize = 256; // one byte per virtual key

    // The terminal starts with the states the keyboard has now.
    explicit LockStates(const unsigned char* keyState);

    void FocusGained(unsigned char* keyState);
    void FocusLost(unsigned char* keyState);

  private:
    static constexpr int LockCount = 3;
    static const unsigned lockKeys[LockCount];

    unsigned char terminalStates[LockCount];
    unsigned char outsideStates[LockCount] = {};
};

// Flips the Scroll Lock toggle in keyState and returns the hold request for
// its new state, as pressing the key would (used by paste to end a hold the
// keyboard asked for).
KeyCode ToggleScrollLock(unsigned char* keyState);
