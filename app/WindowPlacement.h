#pragma once

#include "app/WindowSettings.h"

// Where and how large the terminal window is created.
struct WindowPlacement {
    int defaultPosition = 1; // 1: the system chooses the position (CW_USEDEFAULT)
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The window's cell size from the font, and its logical size as read.
struct ScreenGeometry {
    int cellWidth = 0;
    int cellHeight = 0;
    int columns = 0;
    int lines = 0;
};

// The placement at start-up. With no usable stored rectangle (nothing
// stored, or a width or height that is not positive) the window is sized
// for the logical screen and placed by the system; otherwise it takes the
// stored size, and the stored position too when RememberOrigin is on.
WindowPlacement PlaceWindow(const WindowSettings& settings, const ScreenGeometry& screen,
                            const FrameMetrics& metrics);
