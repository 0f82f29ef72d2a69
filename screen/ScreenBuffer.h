#pragma once

#include "screen/Cell.h"
#include "screen/RepaintBatch.h"
#include "screen/ScreenView.h"
#include "screen/ScrollbackStore.h"

// The terminal's cell grid with its change recording, and the scrollback
// store beside it. Rows are 0 (top) to lines-1, columns 0 to columns-1; the
// grid itself is MaxLines lines of LineWidth cells, and every operation checks
// its arguments against it, so no call reads or writes outside it.
//
// Changes are recorded as write runs and batched scrolls; FlushChanges turns
// them into a few ScreenView calls.
class ScreenBuffer {
  public:
    explicit ScreenBuffer(int columns = 80, int lines = 24, BlockPool& pool = BlockPool::Shared());
    ScreenBuffer(const ScreenBuffer&) = delete;
    ScreenBuffer& operator=(const ScreenBuffer&) = delete;

    // The window that shows the grid; null detaches it.
    void SetView(ScreenView* view);

    // Clamping rules of the LogicalColumns and LogicalLines settings.
    static int ClampColumnsSetting(int value);
    static int ClampLinesSetting(int value);

    // Writing, as the emulator does it.
    void PutChar(unsigned char ch, unsigned char attr, int row, int col);
    // count characters from chars, each shown as table[char], from (row, col)
    // on: the same cells and write run as count PutChar calls, cells past the
    // grid's line dropped. table has 256 entries.
    void PutChars(const unsigned char* chars, int count, const unsigned char* table,
                  unsigned char attr, int row, int col);
    void FillCells(unsigned char ch, unsigned char attr, int row, int col, int count);
    void ScrollRegion(int top, int bottom, int count, unsigned char attr);
    void ScrollUpSaving(int top, int bottom);
    void SaveScreenToHistory();
    void InsertChars(int row, int col, int count);
    void DeleteChars(int row, int col, int count);
    void MakeLineDoubleWidth(int row);
    void MakeLineSingleWidth(int row);
    // out: counted text, at least CountedLineSize bytes.
    void GetLineText(int row, unsigned char* out) const;
    void FlushChanges();
    // Until the next FlushChanges, repaint rectangles are gathered per row
    // and handed to the window together, before the flush's scroll.
    void BatchRepaints();

    // History, scroll-back mode, resizing and the text services.
    void PushLinesToHistory(int count);
    void PushScreenToHistory();
    void PopScreenFromHistory();
    void FillViewFromHistory();
    void MoveView(int delta);
    void SetLineText(int row, const char* text);
    void SwapArrays();
    // Drops the history above the first line shown.
    void ClearLinesOffTop();
    // Hands the rows down to the last one with text to the log, as when the
    // window closes; nothing when the screen is blank.
    void LogScreen();

    // The cells of a row of the active array, for drawing; a blank line for
    // rows outside the grid.
    const Cell* RowCells(int row) const;
    Cell CellAt(int row, int col) const;

    ScrollbackStore store;

    int columns;
    int lines;
    int configuredLines;
    int viewTop = 0;
    int viewLines;

    // The mouse selection in absolute line numbers, end column exclusive.
    int selStartLine = 0;
    int selStartCol = 0;
    int selEndLine = 0;
    int selEndCol = 0;

    // Change recording: the current write run, the pending scroll, the rows
    // whose pixels it may move, and the rows touched by scrolls.
    int runRow = -1;
    int runStart = 0;
    int runEnd = 0;
    int pendingScroll = 0;
    int cleanTop = 0;
    int cleanBottom = 100;
    int dirtyTop = 100;
    int dirtyBottom = 0;

  private:
    Cell* RowPtr(int row) { return active + row * LineWidth; }
    const Cell* RowPtr(int row) const { return active + row * LineWidth; }
    int UsedLines() const;
    int ShownColumns() const;
    void CloseRun();
    void MarkChanged(int a, int b);
    void Invalidate(int rowTop, int rowEnd, int colStart, int colEnd);
    void InvalidateRows(int rowTop, int rowEnd);
    void RepaintRow(int row);
    static int ValidRegion(int top, int bottom);
    int ScrollJoinsPending(int top, int bottom, int count) const;
    void MoveRows(int top, int bottom, int count, unsigned char attr);
    void ResetChangeRecording();
    int LastTextRow() const;
    void WriteLineChars(int row, const unsigned char* chars, int length);
    void SaveRows(int count, int toLog);
    void AfterAppend(int before, int added);
    void DropSelectionLines(int dropped);

    ScreenView* view;
    int batching = 0;
    RepaintBatch batch;
    Cell* active;
    Cell* spare;
    Cell arrayA[GridCells];
    Cell arrayB[GridCells];
};
