#pragma once

#include "screen/Cell.h"

class ScreenBuffer;

// A piece of a row to draw with one text output: count cells from column
// col of row, all with the attribute byte attr (bit 7 marks the selection
// highlight), whose characters are text[0..count-1].
struct Run {
    int row;
    int col;
    int count;
    unsigned char attr;
    const unsigned char* text;
};

// Where runs go: the window's drawing context, or a recorder in tests.
class RunSink {
  public:
    virtual ~RunSink() = default;
    virtual void DrawRun(const Run& run) = 0;
};

// The selected columns of one screen row, end exclusive; from >= to when
// nothing of the row is selected. Trailing blanks of a line are never
// selected, so the end stops one past the row's last non-blank character.
struct SelectedSpan {
    int from;
    int to;
};
SelectedSpan SelectedColumns(const ScreenBuffer& screen, int row);

// Splits count cells that start at column col of a row into runs of equal
// attribute, one DrawRun each.
void DrawCells(const Cell* cells, int row, int col, int count, RunSink& sink);

// Rows r1..r2 and columns c1..c2 (inclusive, limited to the grid), with the
// selected cells drawn from copies whose attribute has bit 7 set.
void DrawRows(const ScreenBuffer& screen, int r1, int r2, int c1, int c2, RunSink& sink);

// The selected text of the visible rows (limited to the logical width)
// drawn with its own attributes, taking the highlight away.
void DrawSelectionPlain(const ScreenBuffer& screen, RunSink& sink);

// Every row in use, columns 0..columns-1, split as DrawRows does with the
// selection marked, handing on only the runs whose attribute has a bit of
// mask; returns the number of runs handed on. Blinking uses mask AttrBlink,
// the redraw of attributes after scroll-back 0x7F.
int DrawRunsWithAttribute(const ScreenBuffer& screen, unsigned char mask, RunSink& sink);
