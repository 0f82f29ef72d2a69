#pragma once

// The platform's virtual-key codes of the keys the terminal translates. The
// numbers are those of the Win32 VK_ constants; the names stay apart from
// them so that this header and <windows.h> can meet in one file.
namespace VirtualKey {
constexpr unsigned Capital = 20; // Caps Lock
constexpr unsigned Prior = 33;   // Page Up
constexpr unsigned Next = 34;    // Page Down
constexpr unsigned End = 35;
constexpr unsigned Home = 36;
constexpr unsigned Left = 37;
constexpr unsigned Up = 38;
constexpr unsigned Right = 39;
constexpr unsigned Down = 40;
constexpr unsigned Insert = 45;
constexpr unsigned Delete = 46;
constexpr unsigned F11 = 122;
constexpr unsigned F12 = 123;
constexpr unsigned NumLock = 144;
constexpr unsigned Scroll = 145; // Scroll Lock
} // namespace VirtualKey
