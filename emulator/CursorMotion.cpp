#include "emulator/Emulator.h"
#include "screen/ScreenBuffer.h"

namespace {

int Min(int a, int b) {
    return a < b ? a : b;
}
int Max(int a, int b) {
    return a > b ? a : b;
}

} // namespace

// Moves down one line; at the bottom margin the region scrolls up instead,
// and a cursor below the region stops at the last line.
void Emulator::Index() {
    StandOnLastColumn();
    if (cursorRow == scrollBottom) {
        screen_.ScrollUpSaving(scrollTop, scrollBottom);
        lineWidth[scrollBottom] = 1;
    } else if (cursorRow < Lines() - 1) {
        ++cursorRow;
    }
}

void Emulator::ReverseIndex() {
    StandOnLastColumn();
    if (cursorRow == scrollTop) {
        screen_.ScrollRegion(scrollTop, scrollBottom, -1, 0);
        lineWidth[scrollTop] = 1;
    } else if (cursorRow > 0) {
        --cursorRow;
    }
}

// A cursor inside the region stops at its top margin; one above it at row 0.
void Emulator::CursorUp(int k) {
    StandOnLastColumn();
    int stop = cursorRow >= scrollTop ? scrollTop : 0;
    cursorRow = Max(cursorRow - k, stop);
}

// A cursor inside the region stops at its bottom margin; one below it at the
// last line.
void Emulator::CursorDown(int k) {
    StandOnLastColumn();
    int stop = cursorRow <= scrollBottom ? scrollBottom : Lines() - 1;
    cursorRow = Min(cursorRow + k, stop);
}

void Emulator::CursorForward(int k) {
    StandOnLastColumn();
    cursorCol = Min(cursorCol + k * Width(), Columns() - 1);
}

void Emulator::CursorBackward(int k) {
    StandOnLastColumn();
    cursorCol = Max(cursorCol - k * Width(), 0);
}

// row and col count from 1, -1 or 0 meaning 1; with origin mode the row is
// relative to the region and stays inside it.
void Emulator::CursorPosition(int row, int col) {
    cursorRow = Min(Max(row, 1) - 1, Lines() - 1);
    if (originMode) cursorRow = Min(cursorRow + scrollTop, scrollBottom);
    cursorCol = Min((Max(col, 1) - 1) * Width(), Columns() - 1);
}

void Emulator::CursorHome() {
    cursorRow = 0;
    cursorCol = 0;
}

void Emulator::NextLine() {
    cursorCol = 0;
    Index();
}
