#include "textsvc/SelectionCopy.h"

#include <algorithm>

#include "screen/ScreenBuffer.h"
#include "textsvc/SelectedLines.h"

namespace {

// The lines of history and screen as one sequence; in scroll-back mode the
// screen's lines are in the store already.
int TextLineCount(const ScreenBuffer& screen, int scrollBackMode) {
    return screen.store.LineCount() + (scrollBackMode ? 0 : std::clamp(screen.lines, 0, MaxLines));
}

// Appends the selected lines to a block, joined by CR LF and quoted on
// request, dropping what would not leave room for the terminating zero.
class BlockWriter : public SelectedLineSink {
  public:
    BlockWriter(char* out, std::size_t size, int quoted)
        : out(out), room(size - 1), quoted(quoted) {}
    int Line(const unsigned char* chars, int count, int last) override {
        if (quoted) Put("> ", 2);
        Put(chars, count);
        if (!last) Put("\r\n", 2);
        return 1;
    }
    long Finish() {
        out[used] = 0;
        return static_cast<long>(used);
    }

  private:
    void Put(const void* bytes, std::size_t count) {
        count = std::min(count, room - used);
        std::copy_n(static_cast<const char*>(bytes), count, out + used);
        used += count;
    }

    char* out;
    std::size_t room;
    int quoted;
    std::size_t used = 0;
};

} // namespace

int SelectionEmpty(const ScreenBuffer& screen) {
    return screen.selStartLine == screen.selEndLine && screen.selStartCol == screen.selEndCol;
}

std::size_t CopyBlockSize(const ScreenBuffer& screen, int scrollBackMode, int quoted) {
    if (SelectionEmpty(screen)) return 0;
    SelectionRange s = OrderedSelection(screen, TextLineCount(screen, scrollBackMode));
    std::size_t lines = static_cast<std::size_t>(s.endLine) - s.startLine + 1;
    return lines * (quoted ? QuotedCopyLineBytes : CopyLineBytes) + 1;
}

long CopySelectionText(ScreenBuffer& screen, int scrollBackMode, int quoted, char* out,
                       std::size_t size) {
    if (SelectionEmpty(screen) || !out || size == 0) return -1;
    // Pushing the screen may recycle the oldest lines, which moves the
    // selection with them; it is read afterwards.
    if (!scrollBackMode) screen.PushScreenToHistory();
    BlockWriter writer(out, size, quoted);
    WalkSelectedLines(screen, writer);
    long written = writer.Finish();
    if (!scrollBackMode) screen.PopScreenFromHistory();
    return written;
}

void SelectAll(ScreenBuffer& screen, int scrollBackMode) {
    screen.selStartLine = 0;
    screen.selStartCol = 0;
    screen.selEndLine = std::max(TextLineCount(screen, scrollBackMode) - 1, 0);
    screen.selEndCol = screen.columns;
}
