#pragma once

#include "screen/FixedLayout.h"
#include "screen/ScreenBuffer.h"

// The layout of a window whose logical screen follows its size: the
// logical columns and lines are what fits in the client area, and lines
// move between the screen and history when the window shrinks or grows.
// There is never a horizontal bar.

// What changing the screen from its lines to newLines did.
struct LineMove {
    int cursorRow;   // the cursor's row afterwards
    int pushed;      // top rows that went to history
    int broughtBack; // history lines that came back onto the top rows
};

// Changes the screen to newLines rows. Fewer rows: blank rows below the
// cursor go first, then the top rows go to history. More rows: the newest
// history lines come back above the screen's text. screen.lines,
// viewLines and configuredLines become newLines.
LineMove ResizeScreenLines(ScreenBuffer& screen, int newLines, int cursorRow);

struct SoftLayoutResult {
    LineMove lines;
    int resized; // 1 when the window's width was changed
};

// Lays the window out and sizes the screen for its client area, the
// logical size kept within 3..132 columns and 3..60 lines.
SoftLayoutResult RunSoftLayout(LayoutState& state, const LayoutRequest& request, LayoutFrame& frame,
                               ScreenBuffer& screen, int cursorRow);
