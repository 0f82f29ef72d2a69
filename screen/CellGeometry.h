#pragma once

// Cells and client pixels. Cell (row, col) occupies the logical rectangle
// col x cellWidth, row x cellHeight, one cell in size; the client area
// shows it shifted left by the horizontal offset (hScroll columns) and up
// by the first shown row.
struct CellOffsets {
    int cellWidth;
    int cellHeight;
    int hScroll;
    int firstShownRow;
};

struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
};

// Client rectangle of rows rowTop..rowEnd-1, columns colStart..colEnd-1.
PixelRect CellsToClient(const CellOffsets& at, int rowTop, int rowEnd, int colStart, int colEnd);

// A window scroll of the band rows clipTop..clipEnd-1, columns
// 0..columns-1, by count rows (up when count > 0): the clip rectangle, the
// rectangle whose pixels move (the band less the rows uncovered) and the
// vertical distance in pixels.
struct BandScroll {
    PixelRect clip;
    PixelRect moved;
    int dy;
};
BandScroll ScrollBand(const CellOffsets& at, int clipTop, int clipEnd, int count, int columns);

// The first row shown when the client area is clientHeight pixels high:
// the bottom rows of the screen stay in view.
int FirstShownRow(int lines, int clientHeight, int cellHeight);

// The cells a paint rectangle in logical coordinates touches, inclusive,
// within the logical screen; a cell partly inside counts whole.
struct CellRange {
    int r1;
    int r2;
    int c1;
    int c2;
};
CellRange CellsToPaint(const PixelRect& logical, int cellWidth, int cellHeight, int lines,
                       int columns);

// Where the caret goes: along the bottom barHeight pixels of the cursor's
// cell, in client coordinates.
struct PixelPoint {
    int x;
    int y;
};
PixelPoint CaretPoint(const CellOffsets& at, int row, int col, int barHeight);
