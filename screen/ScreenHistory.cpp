#include "screen/ScreenBuffer.h"

#include <algorithm>

void ScreenBuffer::ScrollUpSaving(int top, int bottom) {
    CloseRun();
    if (!ValidRegion(top, bottom)) return;
    if (top == 0) SaveRows(1, 1);
    ScrollRegion(top, bottom, 1, 0);
}

// The last row in use that holds a character other than a space; -1 when
// the screen is blank.
int ScreenBuffer::LastTextRow() const {
    unsigned char text[CountedLineSize];
    int row = UsedLines() - 1;
    for (; row >= 0; row -= 1) {
        GetLineText(row, text);
        if (text[0] > 0) break;
    }
    return row;
}

void ScreenBuffer::SaveScreenToHistory() {
    CloseRun();
    SaveRows(LastTextRow() + 1, 1);
}

void ScreenBuffer::LogScreen() {
    unsigned char text[CountedLineSize];
    for (int row = 0, last = LastTextRow(); row <= last; row += 1) {
        GetLineText(row, text);
        view->LogLine(text);
    }
}

void ScreenBuffer::PushLinesToHistory(int count) {
    CloseRun();
    SaveRows(std::min(count, UsedLines()), 1);
}

// Appends rows 0..count-1 to the store, and to the log when toLog is set.
void ScreenBuffer::SaveRows(int count, int toLog) {
    if (count <= 0) return;
    int before = store.LineCount();
    int added = 0;
    unsigned char text[CountedLineSize];
    for (int row = 0; row < count; row += 1) {
        GetLineText(row, text);
        added += store.AppendLine(text);
        if (toLog) view->LogLine(text);
    }
    viewTop = store.LineCount();
    AfterAppend(before, added);
}

// Lines lost by recycling store blocks take the selection with them.
void ScreenBuffer::AfterAppend(int before, int added) {
    DropSelectionLines(before + added - store.LineCount());
    if (store.shortage) {
        store.shortage = 0;
        view->StoreShortage();
    }
}

void ScreenBuffer::DropSelectionLines(int dropped) {
    if (dropped <= 0) return;
    selEndLine -= dropped;
    if (selEndLine < 0) {
        selStartLine = selStartCol = selEndLine = selEndCol = 0;
        return;
    }
    selStartLine -= dropped;
    if (selStartLine < 0) selStartLine = selStartCol = 0;
}

void ScreenBuffer::PushScreenToHistory() {
    CloseRun();
    store.LowerReserve();
    SaveRows(UsedLines(), 0);
    store.RaiseReserve();
    int shown = std::clamp(viewLines, 0, MaxLines);
    for (int i = 0; i < shown; i += 1)
        store.SkipBack();
    viewTop = std::max(0, store.LineCount() - shown);
}

void ScreenBuffer::PopScreenFromHistory() {
    CloseRun();
    store.SeekEnd();
    for (int i = 0; i < UsedLines(); i += 1)
        store.RemoveNewestLine();
    viewTop = store.LineCount();
}

void ScreenBuffer::FillViewFromHistory() {
    CloseRun();
    StorePosition at = store.Tell();
    unsigned char text[CountedLineSize];
    int rows = std::clamp(viewLines, 0, MaxLines);
    for (int row = 0; row < rows; row += 1) {
        text[0] = 0;
        store.ReadNextLine(text);
        WriteLineChars(row, text + 1, text[0]);
    }
    store.Seek(at);
}

void ScreenBuffer::MoveView(int delta) {
    while (delta > 0 && store.LineCount() - viewTop > std::max(viewLines, 0)) {
        viewTop += 1;
        store.SkipForward();
        delta -= 1;
    }
    while (delta < 0 && viewTop > 0) {
        store.SkipBack();
        viewTop -= 1;
        delta += 1;
    }
}

void ScreenBuffer::ClearLinesOffTop() {
    CloseRun();
    int before = store.LineCount();
    store.RemoveOldestLines(viewTop);
    DropSelectionLines(before - store.LineCount());
    viewTop = 0;
}
