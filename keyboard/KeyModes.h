#pragma once

// The emulator's modes and options that decide what a key sends, as the
// emulator hands them to the window for each key message. Flags are 0 or 1.
struct KeyModes {
    int ansiMode = 1;       // 0: VT52 mode
    int cursorKeyMode = 0;  // 1: cursor keys send application sequences
    int keypadMode = 0;     // 1: application keypad
    int bsSendsCtrlH = 0;   // Backspace sends 8 instead of 127
    int homeSendsCtrlA = 0; // Home sends 1 instead of 8
};
