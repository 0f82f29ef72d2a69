#include "textsvc/SelectedLines.h"

#include <algorithm>

#include "screen/ScreenBuffer.h"

namespace {

// Steps the store's cursor from the line viewTop to the line wanted.
void SeekStoreLine(ScrollbackStore& store, int from, int to) {
    for (; from < to; ++from)
        store.SkipForward();
    for (; from > to; --from)
        store.SkipBack();
}

} // namespace

SelectionRange OrderedSelection(const ScreenBuffer& screen, int lineCount) {
    SelectionRange s = {screen.selStartLine, screen.selStartCol, screen.selEndLine,
                        screen.selEndCol};
    if (s.startLine > s.endLine || (s.startLine == s.endLine && s.startCol > s.endCol)) {
        std::swap(s.startLine, s.endLine);
        std::swap(s.startCol, s.endCol);
    }
    int last = std::max(lineCount - 1, 0);
    s.startLine = std::clamp(s.startLine, 0, last);
    s.endLine = std::clamp(s.endLine, 0, last);
    return s;
}

int WalkSelectedLines(ScreenBuffer& screen, SelectedLineSink& sink) {
    ScrollbackStore& store = screen.store;
    SelectionRange s = OrderedSelection(screen, store.LineCount());
    store.SaveCursor();
    SeekStoreLine(store, screen.viewTop, s.startLine);
    unsigned char text[CountedLineSize];
    int completed = 1;
    for (int line = s.startLine; line <= s.endLine && completed; ++line) {
        text[0] = 0;
        store.ReadNextLine(text);
        int length = std::min<int>(text[0], LineWidth);
        int from = line == s.startLine ? std::clamp(s.startCol, 0, length) : 0;
        int last = line == s.endLine;
        int to = last ? std::clamp(s.endCol, from, length) : length;
        completed = sink.Line(text + 1 + from, to - from, last);
    }
    store.RestoreCursor();
    return completed;
}
