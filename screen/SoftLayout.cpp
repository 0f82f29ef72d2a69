#include "screen/SoftLayout.h"

#include <algorithm>

namespace {

int RowIsBlank(const ScreenBuffer& screen, int row) {
    unsigned char text[CountedLineSize];
    screen.GetLineText(row, text);
    return text[0] == 0;
}

// Blank rows at the bottom, scanning up from row oldLines-1 but never
// above the row below the cursor or the new last row.
int BlankRowsAtBottom(const ScreenBuffer& screen, int oldLines, int newLines, int cursorRow) {
    int limit = std::max(cursorRow + 1, newLines);
    int count = 0;
    for (int row = oldLines - 1; row >= limit && RowIsBlank(screen, row); row -= 1)
        count += 1;
    return count;
}

// Rows 0..oldLines-1 move down by back rows; then the last newLines of
// rows 0..oldLines+back-1 (or all of them) go to the top and the rows
// below them are blank.
void RebuildRows(ScreenBuffer& screen, int oldLines, int back, int newLines) {
    if (back > 0) screen.ScrollRegion(0, MaxLines - 1, -back, 0);
    int excess = oldLines + back - newLines;
    if (excess > 0) screen.ScrollRegion(0, MaxLines - 1, excess, 0);
    int firstBlank = std::min(oldLines + back, newLines);
    screen.FillCells(' ', 0, firstBlank, 0, (MaxLines - firstBlank) * LineWidth);
}

// The newest back lines of history go onto rows 0..back-1 and leave it.
void BringBackLines(ScreenBuffer& screen, int back) {
    ScrollbackStore& store = screen.store;
    store.SeekEnd();
    for (int i = 0; i < back; i += 1)
        store.SkipBack();
    unsigned char text[CountedLineSize];
    for (int row = 0; row < back; row += 1) {
        text[0] = 0;
        store.ReadNextLine(text);
        screen.FillCells(' ', 0, row, 0, LineWidth);
        for (int col = 0; col < text[0]; col += 1)
            screen.PutChar(text[col + 1], 0, row, col);
    }
    for (int i = 0; i < back; i += 1)
        store.RemoveNewestLine();
    screen.viewTop -= back;
}

} // namespace

LineMove ResizeScreenLines(ScreenBuffer& screen, int newLines, int cursorRow) {
    newLines = std::clamp(newLines, 3, MaxLines);
    int oldLines = std::clamp(screen.lines, 0, MaxLines);
    cursorRow = std::clamp(cursorRow, 0, std::max(oldLines - 1, 0));
    LineMove move = {cursorRow, 0, 0};
    int d = oldLines - newLines;
    if (d > 0) {
        int blank = BlankRowsAtBottom(screen, oldLines, newLines, cursorRow);
        oldLines -= blank;
        d -= blank;
        if (d > 0) {
            screen.PushLinesToHistory(d);
            move.pushed = d;
            move.cursorRow = std::max(0, cursorRow - d);
        }
    } else {
        move.broughtBack = std::clamp(std::min(screen.viewTop, -d), 0, screen.store.LineCount());
        move.cursorRow = cursorRow + move.broughtBack;
    }
    screen.lines = screen.viewLines = screen.configuredLines = newLines;
    RebuildRows(screen, oldLines, move.broughtBack, newLines);
    BringBackLines(screen, move.broughtBack);
    return move;
}

SoftLayoutResult RunSoftLayout(LayoutState& state, const LayoutRequest& request, LayoutFrame& frame,
                               ScreenBuffer& screen, int cursorRow) {
    int cellWidth = std::max(request.cellWidth, 1);
    int cellHeight = std::max(request.cellHeight, 1);
    if (state.hBarShown) {
        frame.ShowHorizontalBar(0, 0, 0);
        state.hBarShown = 0;
    }
    int w = 0, clientWidth = 0, clientHeight = 0;
    frame.OuterSize(state.frameWidth, state.frameHeight);
    w = state.frameWidth;
    frame.ClientSize(clientWidth, clientHeight);
    int newLines = std::clamp(clientHeight / cellHeight, 3, MaxLines);
    screen.columns = std::clamp(clientWidth / cellWidth, 3, LineWidth);
    state.fitColumns = screen.columns;
    state.viewLines = newLines;

    MatchVerticalBar(state, request, frame, clientWidth, clientHeight, w);

    SoftLayoutResult result = {ResizeScreenLines(screen, newLines, cursorRow), 0};
    if (w != state.frameWidth) {
        state.frameWidth = w;
        frame.ResizeFrame(w, state.frameHeight);
        result.resized = 1;
    }
    if (request.verticalScrollBar) frame.ShowVerticalBar(1);
    return result;
}
