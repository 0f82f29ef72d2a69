#pragma once

// Key codes travel from the keyboard and from macros through the key queue.
// Codes 0 to 255 are bytes to send; the markers above 255 never leave the
// program: the key pump acts on them instead.
using KeyCode = unsigned;

constexpr KeyCode BreakMarker = 0xffff;
constexpr KeyCode HoldMarker = 0xff13;
constexpr KeyCode ResumeMarker = 0xff11;
constexpr KeyCode PauseMarker = 0xff30; // plus the pause's seconds, 1 to 9

constexpr int MinPauseSeconds = 1;
constexpr int MaxPauseSeconds = 9;

inline bool IsByteCode(KeyCode code) {
    return code <= 255;
}

// The pause marker for a pause of the given seconds (1 to 9).
inline KeyCode PauseMarkerFor(int seconds) {
    return PauseMarker + static_cast<KeyCode>(seconds);
}

// The seconds of a pause marker, or 0 when the code is no pause marker.
inline int PauseSeconds(KeyCode code) {
    int seconds = static_cast<int>(code) - static_cast<int>(PauseMarker);
    return seconds >= MinPauseSeconds && seconds <= MaxPauseSeconds ? seconds : 0;
}

// True for the codes that the key queue knows: bytes and the four markers.
inline bool IsKnownKeyCode(KeyCode code) {
    return IsByteCode(code) || code == BreakMarker || code == HoldMarker || code == ResumeMarker ||
           PauseSeconds(code) != 0;
}
