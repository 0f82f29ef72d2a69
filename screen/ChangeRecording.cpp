#include "screen/ScreenBuffer.h"

#include <algorithm>
#include <cstring>

// Ends the current write run: its cells are repainted as one rectangle.
void ScreenBuffer::CloseRun() {
    if (runStart < runEnd) {
        MarkChanged(runRow, runRow);
        Invalidate(runRow, runRow + 1, runStart, runEnd);
    }
    runStart = runEnd = 0;
}

// Rows a..b no longer match their pixels: keep them out of the clean range.
void ScreenBuffer::MarkChanged(int a, int b) {
    if (b < a) return;
    if (a > cleanTop)
        cleanBottom = std::min(cleanBottom, a - 1);
    else
        cleanTop = std::max(cleanTop, b + 1);
}

void ScreenBuffer::Invalidate(int rowTop, int rowEnd, int colStart, int colEnd) {
    if (batching)
        batch.Add(rowTop, rowEnd, colStart, colEnd);
    else
        view->InvalidateCells(rowTop, rowEnd, colStart, colEnd);
}

void ScreenBuffer::InvalidateRows(int rowTop, int rowEnd) {
    Invalidate(rowTop, rowEnd, 0, ShownColumns());
}

void ScreenBuffer::RepaintRow(int row) {
    MarkChanged(row, row);
    InvalidateRows(row, row + 1);
}

int ScreenBuffer::ValidRegion(int top, int bottom) {
    return top >= 0 && bottom < MaxLines && top <= bottom;
}

int ScreenBuffer::ScrollJoinsPending(int top, int bottom, int count) const {
    if (count * pendingScroll < 0) return 0;
    if (cleanTop > cleanBottom) return 0;
    if (pendingScroll > 0 && top != cleanTop) return 0;
    if (pendingScroll < 0 && bottom != cleanBottom) return 0;
    return 1;
}

void ScreenBuffer::ScrollRegion(int top, int bottom, int count, unsigned char attr) {
    CloseRun();
    if (!ValidRegion(top, bottom) || count == 0) return;
    int height = bottom - top + 1;
    count = std::clamp(count, -height, height);
    // A scroll that cannot join the pending ones, or comes after one that
    // could not, gives up moving pixels until the flush: every row the
    // scrolls touch is repainted then. (A window update for each would cost
    // a paint per scroll when data comes fast.)
    if (dirtyTop <= dirtyBottom && !ScrollJoinsPending(top, bottom, count)) {
        cleanTop = 1;
        cleanBottom = 0;
    } else if (count > 0) {
        pendingScroll += count;
        cleanTop = top;
        cleanBottom = std::min(cleanBottom - count, bottom - count);
    } else {
        pendingScroll += count;
        cleanTop = std::max(top - count, cleanTop - count);
        cleanBottom = bottom;
    }
    dirtyTop = std::min(dirtyTop, top);
    dirtyBottom = std::max(dirtyBottom, bottom);
    MoveRows(top, bottom, count, attr);
}

// Moves rows top..bottom by count lines (up when positive); the rows that
// come in are blanks with attr. |count| is at most the region's height.
void ScreenBuffer::MoveRows(int top, int bottom, int count, unsigned char attr) {
    int k = count > 0 ? count : -count;
    int kept = (bottom - top + 1 - k) * LineWidth;
    Cell* from = RowPtr(count > 0 ? top + k : top);
    Cell* to = RowPtr(count > 0 ? top : top + k);
    std::memmove(to, from, kept * sizeof(Cell));
    Cell* blanks = RowPtr(count > 0 ? bottom - k + 1 : top);
    std::fill(blanks, blanks + k * LineWidth, MakeCell(' ', attr));
}

void ScreenBuffer::ResetChangeRecording() {
    pendingScroll = 0;
    cleanTop = 0;
    cleanBottom = UsedLines() - 1;
    dirtyTop = 100;
    dirtyBottom = 0;
}

void ScreenBuffer::BatchRepaints() {
    batching = 1;
}

void ScreenBuffer::FlushChanges() {
    CloseRun();
    if (batching) {
        batching = 0;
        batch.HandTo(*view);
    }
    if (cleanTop > cleanBottom) {
        pendingScroll = 0;
        if (dirtyTop <= dirtyBottom) InvalidateRows(dirtyTop, dirtyBottom + 1);
    }
    if (pendingScroll == 0) {
        ResetChangeRecording();
        return;
    }
    int k = pendingScroll;
    if (k > 0)
        view->ScrollCells(cleanTop, cleanBottom + k + 1, k, ShownColumns());
    else
        view->ScrollCells(cleanTop + k, cleanBottom + 1, k, ShownColumns());
    if (dirtyTop < cleanTop) InvalidateRows(dirtyTop, cleanTop);
    if (cleanBottom < dirtyBottom) InvalidateRows(cleanBottom + 1, dirtyBottom + 1);
    ResetChangeRecording();
    view->UpdateView();
}
