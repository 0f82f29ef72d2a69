#pragma once

#include "screen/CellGeometry.h"

class ScreenBuffer;

// The rules of selecting text with the mouse: a drag from an anchor, a
// Shift-click that moves one end, a double-click that takes a word. The
// selection itself lives in the screen buffer (selStartLine ... selEndCol,
// absolute lines, end column exclusive); this object holds the state of the
// mouse action and says which rows must be drawn again after each change.

// A cell in absolute line numbers.
struct SelectionPoint {
    int line;
    int col;
};

// The cell under a client point of a view of the given rows: line viewTop
// + firstShownRow + y div cellHeight, column hScroll + x div cellWidth (div
// rounding down). A point below the last row, as in the part of a row
// that a client area not a whole number of rows high shows, is taken on
// the last row, so that what is highlighted is what is copied.
SelectionPoint PointToCell(const CellOffsets& at, int viewTop, int lines, int x, int y);

// A point of a drag held inside a client area of width x height pixels,
// and the line scrolls that its being outside asks for: vertical -1 (up)
// or 1 (down), horizontal -1 (left) or 1 (right), 0 for none.
struct DragPoint {
    int x;
    int y;
    int vertical;
    int horizontal;
};
DragPoint ClampDragPoint(int x, int y, int width, int height);

// Screen rows r1..r2 and columns c1..c2 (inclusive) to draw again; nothing
// when r1 > r2.
struct SelectionRedraw {
    int r1;
    int r2;
    int c1;
    int c2;
};

// The system's test for a letter or digit of the current character set.
using WordCharTest = int (*)(unsigned char ch);

// What the auto-scroll timer must do.
enum class TimerChange { None, Start, Stop };

class MouseSelection {
  public:
    // Button down: the anchor, start and end all at the cell; the old
    // selection's rows are the caller's to clear first. A double-click's
    // button-up that never came is forgotten, and an auto-scroll left
    // running by an earlier drag is stopped (Stop).
    TimerChange Start(ScreenBuffer& screen, SelectionPoint at);
    // Button up: 1 when it ends a drag; the one after a double-click does not.
    int ButtonUp();
    // A drag (while dragging) or a Shift-click (otherwise) reaching a cell.
    SelectionRedraw Track(ScreenBuffer& screen, SelectionPoint at);
    // Double-click on a cell of a line whose counted text is given: the
    // letters and digits around it, any other character alone, nothing on a
    // space or past the text.
    SelectionRedraw SelectWord(ScreenBuffer& screen, SelectionPoint at, const unsigned char* text,
                               WordCharTest isWordChar);
    // Whether a drag step that did or did not scroll starts or stops the timer.
    TimerChange AutoScroll(int scrolled);

    int anchorLine = 0;
    int anchorCol = 0;
    int dragging = 0;
    int autoScrollOn = 0;
    int wasInScrollBack = 0;
    int ignoreNextUp = 0;
};

// The rows whose highlight may differ between two selections (given as
// start line, start column, end line, end column), as screen rows of a view
// whose top is viewTop, clipped to 0..lines-1.
struct SelectionBounds {
    int startLine;
    int startCol;
    int endLine;
    int endCol;
};
SelectionRedraw RedrawForChange(const SelectionBounds& before, const SelectionBounds& after,
                                int viewTop, int lines);
