#pragma once

#include "screen/FrameMetrics.h"

// The size item at the right end of the menu bar: the logical size as
// columns x lines, its explanation, and the window size of the 80 x 24
// resize.

constexpr int SizeItemTextSize = 16;

// "%dx%d", columns then lines, cut to the buffer.
void SizeItemText(char (&text)[SizeItemTextSize], int columns, int lines);

// The explanation shown when the item is chosen.
const char* SizeHelpText(int softSize);

struct FrameSize {
    int width;
    int height;
};

// The outer size of a window whose client area holds 80 x 24 cells, with
// room for the vertical bar when it is wanted.
FrameSize Size80x24(const FrameMetrics& m, int cellWidth, int cellHeight, int verticalScrollBar);
