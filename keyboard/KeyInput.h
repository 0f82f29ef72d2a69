#pragma once

#include "keyboard/KeyModes.h"

#include <cstdint>

// What the translation of a key message depends on besides the key: the
// modifiers held when the message is handled, the Scroll Lock toggle, the
// emulator's modes and the session's hold. Flags are 0 or 1.
struct KeyModifiers {
    int shift = 0;
    int ctrl = 0;
    int alt = 0;
    int scrollLockOn = 0; // the Scroll Lock toggle after the key went down
};

struct KeyContext {
    KeyModifiers keys;
    KeyModes modes;
    int hold = 0; // output held: navigation keys scroll instead
};

// Bits 16 to 23 of a key message's data hold the scan code; bit 24 marks
// an extended key.
inline int ScanCodeOf(std::uint32_t keyData) {
    return static_cast<int>((keyData >> 16) & 0xff);
}
inline bool IsExtendedKey(std::uint32_t keyData) {
    return (keyData >> 24) & 1;
}

// Scan codes of the standard PC keyboard that the translation tells apart.
namespace ScanCode {
constexpr int Backspace = 14;
constexpr int Enter = 28;
constexpr int KeypadStar = 55;
constexpr int F1 = 59;
constexpr int F4 = 62;
constexpr int F5 = 63;
constexpr int F10 = 68;
constexpr int ScrollLock = 70; // also the non-extended Break key
constexpr int Keypad7 = 71;
constexpr int KeypadMinus = 74;
constexpr int KeypadPlus = 78;
constexpr int KeypadPoint = 83;
constexpr int Extended = 224; // stands for any key with the extended bit
} // namespace ScanCode
