#include "screen/MouseSelection.h"

#include <algorithm>

#include "screen/ScreenBuffer.h"

namespace {

int FloorDiv(int value, int divisor) {
    divisor = std::max(divisor, 1);
    int q = value / divisor;
    return (value % divisor != 0 && value < 0) ? q - 1 : q;
}

SelectionBounds BoundsOf(const ScreenBuffer& screen) {
    return {screen.selStartLine, screen.selStartCol, screen.selEndLine, screen.selEndCol};
}

void SetBounds(ScreenBuffer& screen, SelectionPoint start, SelectionPoint end) {
    screen.selStartLine = start.line;
    screen.selStartCol = start.col;
    screen.selEndLine = end.line;
    screen.selEndCol = end.col;
}

bool SameBounds(const SelectionBounds& a, const SelectionBounds& b) {
    return a.startLine == b.startLine && a.startCol == b.startCol && a.endLine == b.endLine &&
           a.endCol == b.endCol;
}

// Whether cell a lies at or after cell b.
bool AtOrAfter(SelectionPoint a, int line, int col) {
    return a.line > line || (a.line == line && a.col >= col);
}

constexpr SelectionRedraw Nothing = {0, -1, 0, -1};

// Absolute lines top..bottom as screen rows, held to the screen.
SelectionRedraw RowsOnScreen(long long top, long long bottom, int c1, int c2, int viewTop,
                             int lines) {
    long long last = std::clamp(lines, 0, MaxLines) - 1;
    long long r1 = std::max(top - viewTop, 0LL);
    long long r2 = std::min(bottom - viewTop, last);
    if (r1 > r2) return Nothing;
    return {static_cast<int>(r1), static_cast<int>(r2), std::max(c1, 0),
            std::min(c2, LineWidth - 1)};
}

} // namespace

SelectionPoint PointToCell(const CellOffsets& at, int viewTop, int lines, int x, int y) {
    long long row =
        std::min<long long>(static_cast<long long>(at.firstShownRow) + FloorDiv(y, at.cellHeight),
                            std::max(lines, 1) - 1);
    long long line = viewTop + row;
    long long col = static_cast<long long>(at.hScroll) + FloorDiv(x, at.cellWidth);
    return {static_cast<int>(std::clamp(line, 0LL, 0x7FFFFFFFLL)),
            static_cast<int>(std::clamp(col, 0LL, static_cast<long long>(LineWidth)))};
}

DragPoint ClampDragPoint(int x, int y, int width, int height) {
    DragPoint p = {x, y, 0, 0};
    if (y < 0) {
        p.y = 0;
        p.vertical = -1;
    } else if (y >= height) {
        p.y = std::max(height - 1, 0);
        p.vertical = 1;
    }
    if (x < 0) {
        p.x = 0;
        p.horizontal = -1;
    } else if (x >= width) {
        p.x = std::max(width - 1, 0);
        p.horizontal = 1;
    }
    return p;
}

SelectionRedraw RedrawForChange(const SelectionBounds& before, const SelectionBounds& after,
                                int viewTop, int lines) {
    if (SameBounds(before, after)) return Nothing;
    bool startMoved = before.startLine != after.startLine;
    bool endMoved = before.endLine != after.endLine;
    long long top, bottom;
    if (startMoved && endMoved) {
        top = std::min(before.startLine, after.startLine);
        bottom = std::max(before.endLine, after.endLine);
    } else if (endMoved) {
        top = std::min(before.endLine, after.endLine);
        bottom = std::max(before.endLine, after.endLine);
    } else if (startMoved) {
        top = std::min(before.startLine, after.startLine);
        bottom = std::max(before.startLine, after.startLine);
    } else {
        top = after.startLine;
        bottom = after.endLine;
    }
    int c1 = 0, c2 = LineWidth - 1;
    if (top == bottom) {
        c1 = std::min(before.startCol, after.startCol);
        c2 = std::max(before.endCol, after.endCol);
    }
    return RowsOnScreen(top, bottom, c1, c2, viewTop, lines);
}

TimerChange MouseSelection::Start(ScreenBuffer& screen, SelectionPoint at) {
    anchorLine = at.line;
    anchorCol = at.col;
    SetBounds(screen, at, at);
    dragging = 1;
    ignoreNextUp = 0;
    return AutoScroll(0);
}

int MouseSelection::ButtonUp() {
    if (!ignoreNextUp) return dragging;
    ignoreNextUp = 0;
    return 0;
}

SelectionRedraw MouseSelection::Track(ScreenBuffer& screen, SelectionPoint at) {
    SelectionBounds before = BoundsOf(screen);
    SelectionPoint start = {screen.selStartLine, screen.selStartCol};
    SelectionPoint end = {screen.selEndLine, screen.selEndCol};
    SelectionPoint anchor = {anchorLine, anchorCol};
    if (dragging) {
        bool downward = AtOrAfter(at, anchorLine, anchorCol);
        start = downward ? anchor : at;
        end = downward ? at : anchor;
    } else if (AtOrAfter(at, start.line, start.col)) {
        end = at;
    } else {
        start = at;
    }
    SetBounds(screen, start, end);
    return RedrawForChange(before, BoundsOf(screen), screen.viewTop, screen.lines);
}

SelectionRedraw MouseSelection::SelectWord(ScreenBuffer& screen, SelectionPoint at,
                                           const unsigned char* text, WordCharTest isWordChar) {
    ignoreNextUp = 1;
    SetBounds(screen, at, at);
    int length = std::min<int>(text[0], LineWidth);
    if (at.col < 0 || at.col >= length || text[1 + at.col] == ' ') return Nothing;
    int from = at.col, to = at.col + 1;
    if (isWordChar(text[1 + at.col])) {
        while (from > 0 && isWordChar(text[from]))
            from -= 1;
        while (to < length && isWordChar(text[1 + to]))
            to += 1;
    }
    SetBounds(screen, {at.line, from}, {at.line, to});
    anchorLine = at.line;
    anchorCol = from;
    return RowsOnScreen(at.line, at.line, from, to, screen.viewTop, screen.lines);
}

TimerChange MouseSelection::AutoScroll(int scrolled) {
    if (scrolled && !autoScrollOn) {
        autoScrollOn = 1;
        return TimerChange::Start;
    }
    if (!scrolled && autoScrollOn) {
        autoScrollOn = 0;
        return TimerChange::Stop;
    }
    return TimerChange::None;
}
