#include "textsvc/SelectionCopy.h"

#include <algorithm>

#include "screen/ScreenBuffer.h"

namespace {

struct Selection {
    int startLine;
    int startCol;
    int endLine;
    int endCol;
};

// The selection with its start before its end, whichever way it was made,
// and its lines held to the lines of text there are, so that no selection
// can make the walk or the block larger than the text.
Selection OrderedSelection(const ScreenBuffer& screen, int lineCount) {
    Selection s = {screen.selStartLine, screen.selStartCol, screen.selEndLine, screen.selEndCol};
    if (s.startLine > s.endLine || (s.startLine == s.endLine && s.startCol > s.endCol)) {
        std::swap(s.startLine, s.endLine);
        std::swap(s.startCol, s.endCol);
    }
    int last = std::max(lineCount - 1, 0);
    s.startLine = std::clamp(s.startLine, 0, last);
    s.endLine = std::clamp(s.endLine, 0, last);
    return s;
}

// The lines of history and screen as one sequence; in scroll-back mode the
// screen's lines are in the store already.
int TextLineCount(const ScreenBuffer& screen, int scrollBackMode) {
    return screen.store.LineCount() + (scrollBackMode ? 0 : std::clamp(screen.lines, 0, MaxLines));
}

// Appends bytes to a block, dropping what would not leave room for the
// terminating zero.
class BlockWriter {
  public:
    BlockWriter(char* out, std::size_t size) : out(out), room(size - 1) {}
    void Put(const void* bytes, std::size_t count) {
        count = std::min(count, room - used);
        std::copy_n(static_cast<const char*>(bytes), count, out + used);
        used += count;
    }
    long Finish() {
        out[used] = 0;
        return static_cast<long>(used);
    }

  private:
    char* out;
    std::size_t room;
    std::size_t used = 0;
};

// Steps the store's cursor from the line viewTop to the line wanted.
void SeekStoreLine(ScrollbackStore& store, int from, int to) {
    for (; from < to; ++from)
        store.SkipForward();
    for (; from > to; --from)
        store.SkipBack();
}

void CopyLines(ScrollbackStore& store, const Selection& s, int quoted, BlockWriter& writer) {
    unsigned char text[CountedLineSize];
    for (int line = s.startLine; line <= s.endLine; ++line) {
        text[0] = 0;
        store.ReadNextLine(text);
        int length = std::min<int>(text[0], LineWidth);
        int from = line == s.startLine ? std::max(s.startCol, 0) : 0;
        int last = line == s.endLine;
        int to = last ? std::min(s.endCol, length) : length;
        if (quoted) writer.Put("> ", 2);
        if (from < to) writer.Put(text + 1 + from, to - from);
        if (!last) writer.Put("\r\n", 2);
    }
}

} // namespace

int SelectionEmpty(const ScreenBuffer& screen) {
    return screen.selStartLine == screen.selEndLine && screen.selStartCol == screen.selEndCol;
}

std::size_t CopyBlockSize(const ScreenBuffer& screen, int scrollBackMode, int quoted) {
    if (SelectionEmpty(screen)) return 0;
    Selection s = OrderedSelection(screen, TextLineCount(screen, scrollBackMode));
    std::size_t lines = static_cast<std::size_t>(s.endLine) - s.startLine + 1;
    return lines * (quoted ? QuotedCopyLineBytes : CopyLineBytes) + 1;
}

long CopySelectionText(ScreenBuffer& screen, int scrollBackMode, int quoted, char* out,
                       std::size_t size) {
    if (SelectionEmpty(screen) || !out || size == 0) return -1;
    // Pushing the screen may recycle the oldest lines, which moves the
    // selection with them; it is read afterwards.
    if (!scrollBackMode) screen.PushScreenToHistory();
    Selection s = OrderedSelection(screen, screen.store.LineCount());
    ScrollbackStore& store = screen.store;
    store.SaveCursor();
    SeekStoreLine(store, screen.viewTop, s.startLine);
    BlockWriter writer(out, size);
    CopyLines(store, s, quoted, writer);
    long written = writer.Finish();
    store.RestoreCursor();
    if (!scrollBackMode) screen.PopScreenFromHistory();
    return written;
}

void SelectAll(ScreenBuffer& screen, int scrollBackMode) {
    screen.selStartLine = 0;
    screen.selStartCol = 0;
    screen.selEndLine = std::max(TextLineCount(screen, scrollBackMode) - 1, 0);
    screen.selEndCol = screen.columns;
}
