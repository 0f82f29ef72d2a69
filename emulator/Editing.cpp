#include "emulator/Emulator.h"
#include "screen/ScreenBuffer.h"

// Cells are counted linearly, row * LineWidth + column, so an erase of the
// screen runs through whole 132-cell lines. Erased cells are blank with
// attribute 0 whatever the current attribute is.
void Emulator::EraseArea(int whole, int type) {
    StandOnLastColumn();
    int start = whole ? 0 : cursorRow * LineWidth;
    int end = whole ? Lines() * LineWidth : (cursorRow + 1) * LineWidth;
    int cursor = cursorRow * LineWidth + cursorCol;
    int first = type == 1 || type == 2 ? start : cursor;
    // Up to the cursor means through the character under it, both cells of
    // it on a double-width line, but never beyond the line.
    int stop = type == 1 ? cursor + Width() : end;
    if (stop > end) stop = end;
    if (first >= stop) return;
    if (first == 0 && stop == Lines() * LineWidth) screen_.SaveScreenToHistory();
    screen_.FillCells(' ', 0, first / LineWidth, first % LineWidth, stop - first);
    if (whole) ResetErasedLineWidths(type);
}

// Rows erased from end to end become single width.
void Emulator::ResetErasedLineWidths(int type) {
    int lastCharacter = cursorCol + Width() >= Columns();
    switch (type) {
    case 1: ResetLineWidths(0, lastCharacter ? cursorRow : cursorRow - 1); break;
    case 2: ResetLineWidths(0, Lines() - 1); break;
    default: ResetLineWidths(cursorCol > 0 ? cursorRow + 1 : cursorRow, Lines() - 1); break;
    }
}

void Emulator::ResetLineWidths(int first, int last) {
    if (first < 0) first = 0;
    if (last > MaxLines - 1) last = MaxLines - 1;
    for (int row = first; row <= last; ++row)
        lineWidth[row] = 1;
}

void Emulator::InsertCharacters(int k) {
    StandOnLastColumn();
    screen_.InsertChars(cursorRow, cursorCol, k * Width());
}

void Emulator::DeleteCharacters(int k) {
    StandOnLastColumn();
    screen_.DeleteChars(cursorRow, cursorCol, k * Width());
}

void Emulator::EraseCharacters(int k) {
    StandOnLastColumn();
    int count = k * Width();
    if (count > Columns() - cursorCol) count = Columns() - cursorCol;
    if (count > 0) screen_.FillCells(' ', 0, cursorRow, cursorCol, count);
}

// Lines move within the cursor row to the bottom margin; the rows that
// receive blank lines become single width.
void Emulator::InsertLines(int k) {
    if (cursorRow > scrollBottom) return;
    if (k > scrollBottom - cursorRow + 1) k = scrollBottom - cursorRow + 1;
    screen_.ScrollRegion(cursorRow, scrollBottom, -k, 0);
    ResetLineWidths(cursorRow, cursorRow + k - 1);
}

void Emulator::DeleteLines(int k) {
    if (cursorRow > scrollBottom) return;
    if (k > scrollBottom - cursorRow + 1) k = scrollBottom - cursorRow + 1;
    screen_.ScrollRegion(cursorRow, scrollBottom, k, 0);
    ResetLineWidths(scrollBottom - k + 1, scrollBottom);
}

// The screen alignment pattern: every cell an "E"; cursor, margins and line
// widths stay.
void Emulator::AlignmentFill() {
    screen_.FillCells('E', 0, 0, 0, Lines() * LineWidth);
}

// The cursor keeps its character; in the right half of the line it goes no
// further than the last column.
void Emulator::DoubleWidth() {
    if (Width() != 1) return;
    StandOnLastColumn();
    screen_.MakeLineDoubleWidth(cursorRow);
    lineWidth[cursorRow] = 2;
    cursorCol *= 2;
    if (cursorCol > Columns() - 1) cursorCol = Columns() - 1;
}

void Emulator::SingleWidth() {
    if (Width() != 2) return;
    StandOnLastColumn();
    screen_.MakeLineSingleWidth(cursorRow);
    lineWidth[cursorRow] = 1;
    cursorCol /= 2;
}
