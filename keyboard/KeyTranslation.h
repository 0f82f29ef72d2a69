#pragma once

#include "keyboard/KeyCodeList.h"
#include "keyboard/KeyInput.h"

#include <cstdint>

// Key translation: what a VT100 or VT200 keyboard would send for a key of
// the PC keyboard. Pure functions of the key, the modifiers and the
// emulator's modes; the window enqueues the codes they return.

// A key-down message (or system key-down), by scan code for F1 to F10 and
// by virtual key for the editing, cursor and other function keys.
KeyCodeList TranslateKeyDown(unsigned virtualKey, std::uint32_t keyData, const KeyContext& context);

// A character message: the character typed, or the keypad's and the
// special keys' sequences chosen by the scan code.
KeyCodeList TranslateChar(unsigned character, std::uint32_t keyData, const KeyContext& context);

// Up, Down, Right or Left in the cursor key mode; Ctrl+Left and Ctrl+Right
// send the VT200 F9 and F17 sequences instead.
KeyCodeList CursorKeySequence(unsigned virtualKey, const KeyContext& context);

// A keypad key (scan 71 to 83): the character itself in numeric mode, the
// DEC keypad's application sequence otherwise.
KeyCodeList KeypadSequence(unsigned character, int scanCode, const KeyModes& modes);

// PF1 to PF4 for the scan codes of F1 to F4.
KeyCodeList PfKeySequence(int scanCode, const KeyModes& modes);

// The hold request for the Scroll Lock toggle's new state.
KeyCode ScrollLockChanged(int scrollLockOn);
