#pragma once

#include "app/WindowSettings.h"

// How large and how small the user may make the terminal window. The
// smallest window holds 5 x 3 cells. A window of fixed logical size cannot
// grow past its logical screen; with SoftSize it cannot grow past the grid
// (132 x 60 cells) or the screen.
struct WindowLimitInputs {
    FrameMetrics metrics;
    int screenWidth = 0;  // SM_CXSCREEN
    int screenHeight = 0; // SM_CYSCREEN
    int cellWidth = 1;
    int cellHeight = 1;
    int columns = 80;
    int configuredLines = 24;
    int vBarShown = 1;
    int hBarShown = 1;
    int softSize = 0;
};

struct WindowLimits {
    int maxWidth = 0; // maximized, and the largest tracking size
    int maxHeight = 0;
    int minWidth = 0; // the smallest tracking size
    int minHeight = 0;
};

WindowLimits ComputeWindowLimits(const WindowLimitInputs& in);
