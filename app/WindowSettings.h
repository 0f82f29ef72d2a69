#pragma once

#include "screen/FrameMetrics.h"

class Profile;

struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The placement and switches group of section "Window".
struct WindowSettings {
    WindowRect windowRect;     // Left, Top, Right, Bottom
    int rememberOrigin = 0;    // RememberOrigin
    int verticalScrollBar = 1; // VerticalScrollBar
    int autoFocus = 0;         // AutoFocus
    int softSize = 0;          // SoftSize
};

// The window as it is when the program ends.
struct WindowAtExit {
    int left = 0;
    int top = 0;
    int frameWidth = 0; // outer size as last laid out
    int frameHeight = 0;
    int hBarShown = 1;
    int vBarShown = 1;
    int softSize = 0;
};

// Reads Top, Bottom, Left, Right and the four switches; the switches read
// as 0 or 1.
WindowSettings ReadWindowSettings(Profile& profile);

// Writes Top, Bottom, Left, Right, RememberOrigin, VerticalScrollBar,
// AutoFocus, SoftSize in that order.
void WriteWindowSettings(Profile& profile, const WindowSettings& settings);

// The rectangle stored at exit: the corner, and the outer size with the
// room of a hidden vertical bar, and outside SoftSize of a hidden
// horizontal bar, added back.
WindowRect StoredWindowRect(const WindowAtExit& window, const FrameMetrics& metrics);
