#include "screen/RenderRuns.h"

#include <algorithm>

#include "screen/ScreenBuffer.h"

namespace {

// Column one past the last cell whose character is not a space; 0 for a
// blank row.
int TextEnd(const Cell* cells) {
    int end = LineWidth;
    while (end > 0 && CellChar(cells[end - 1]) == ' ')
        end -= 1;
    return end;
}

// Copies columns c1..c2 of a row, setting bit 7 on the selected ones.
void MarkRow(const ScreenBuffer& screen, int row, int c1, int c2, Cell* out) {
    const Cell* cells = screen.RowCells(row);
    SelectedSpan span = SelectedColumns(screen, row);
    for (int col = c1; col <= c2; col += 1) {
        Cell cell = cells[col];
        if (col >= span.from && col < span.to) cell |= AttrSelected << 8;
        out[col - c1] = cell;
    }
}

// Hands on only the runs whose attribute has a bit of mask, counting them.
class AttributeFilter : public RunSink {
  public:
    AttributeFilter(unsigned char mask, RunSink& next) : mask(mask), next(next) {}
    void DrawRun(const Run& run) override {
        if (!(run.attr & mask)) return;
        passed += 1;
        next.DrawRun(run);
    }
    int passed = 0;

  private:
    unsigned char mask;
    RunSink& next;
};

} // namespace

SelectedSpan SelectedColumns(const ScreenBuffer& screen, int row) {
    long long line = static_cast<long long>(screen.viewTop) + row;
    if (line < screen.selStartLine || line > screen.selEndLine || row < 0 || row >= MaxLines)
        return {0, 0};
    int from = line == screen.selStartLine ? screen.selStartCol : 0;
    int to = TextEnd(screen.RowCells(row));
    if (line == screen.selEndLine) to = std::min(to, screen.selEndCol);
    return {from, to};
}

void DrawCells(const Cell* cells, int row, int col, int count, RunSink& sink) {
    unsigned char text[LineWidth];
    int start = 0;
    while (start < count) {
        unsigned char attr = CellAttr(cells[start]);
        int end = start;
        while (end < count && end - start < LineWidth && CellAttr(cells[end]) == attr) {
            text[end - start] = CellChar(cells[end]);
            end += 1;
        }
        sink.DrawRun({row, col + start, end - start, attr, text});
        start = end;
    }
}

void DrawRows(const ScreenBuffer& screen, int r1, int r2, int c1, int c2, RunSink& sink) {
    r1 = std::max(r1, 0);
    r2 = std::min(r2, MaxLines - 1);
    c1 = std::max(c1, 0);
    c2 = std::min(c2, LineWidth - 1);
    if (c1 > c2) return;
    Cell marked[LineWidth];
    for (int row = r1; row <= r2; row += 1) {
        MarkRow(screen, row, c1, c2, marked);
        DrawCells(marked, row, c1, c2 - c1 + 1, sink);
    }
}

void DrawSelectionPlain(const ScreenBuffer& screen, RunSink& sink) {
    long long first = static_cast<long long>(screen.selStartLine) - screen.viewTop;
    long long last = static_cast<long long>(screen.selEndLine) - screen.viewTop;
    long long shown = std::clamp(screen.lines, 0, MaxLines);
    int top = static_cast<int>(std::clamp(first, 0LL, shown));
    int bottom = static_cast<int>(std::clamp(last, -1LL, shown - 1));
    for (int row = top; row <= bottom; row += 1) {
        SelectedSpan span = SelectedColumns(screen, row);
        int to = std::min({span.to, screen.columns, LineWidth});
        int from = std::max(span.from, 0);
        if (to > from) DrawCells(screen.RowCells(row) + from, row, from, to - from, sink);
    }
}

int DrawRunsWithAttribute(const ScreenBuffer& screen, unsigned char mask, RunSink& sink) {
    AttributeFilter filter(mask, sink);
    int lines = std::clamp(screen.lines, 0, MaxLines);
    int columns = std::clamp(screen.columns, 0, LineWidth);
    DrawRows(screen, 0, lines - 1, 0, columns - 1, filter);
    return filter.passed;
}
