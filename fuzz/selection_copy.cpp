// The selection's text over arbitrary history, screen, selection, mode and
// block size: nothing is written past the block, the text always ends with
// its zero, and the store and the view are left as they were found.

#include "screen/ScreenBuffer.h"
#include "textsvc/SelectionCopy.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Reads the input front to back; past its end every value is 0.
class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}
    int Byte() { return at < size ? data[at++] : 0; }
    int Int() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | static_cast<std::uint32_t>(Byte());
        return static_cast<int>(v);
    }
    bool AtEnd() const { return at >= size; }

  private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
};

void FillText(ScreenBuffer& screen, Input& in) {
    int historyLines = in.Byte() % 40;
    unsigned char line[CountedLineSize];
    for (int i = 0; i < historyLines; ++i) {
        line[0] = static_cast<unsigned char>(in.Byte() % (LineWidth + 1));
        for (int c = 1; c <= line[0]; ++c)
            line[c] = static_cast<unsigned char>(in.Byte() | 0x20);
        screen.store.AppendLine(line);
    }
    screen.viewTop = screen.store.LineCount();
    int writes = in.Byte() % 64;
    for (int i = 0; i < writes; ++i)
        screen.PutChar(static_cast<unsigned char>(in.Byte() | 0x20), 0, in.Byte() % MaxLines,
                       in.Byte() % LineWidth);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    BlockPool pool;
    auto screen = std::make_unique<ScreenBuffer>(3 + in.Byte() % 130, 3 + in.Byte() % 58, pool);
    FillText(*screen, in);
    int quoted = in.Byte() & 1;
    int all = in.Byte() & 1;
    if (all) {
        SelectAll(*screen, 0);
    } else {
        screen->selStartLine = in.Int();
        screen->selStartCol = in.Int();
        screen->selEndLine = in.Int();
        screen->selEndCol = in.Int();
    }
    int lineCount = screen->store.LineCount();
    int viewTop = screen->viewTop;
    std::size_t worst = CopyBlockSize(*screen, 0, quoted);
    std::size_t blockSize = in.AtEnd() ? worst : std::min<std::size_t>(worst, in.Byte() + 1);
    std::vector<char> block(blockSize + 1, '#');
    long written = CopySelectionText(*screen, 0, quoted, block.data(), blockSize);
    Check(block[blockSize] == '#');
    if (SelectionEmpty(*screen)) {
        Check(written == -1 && worst == 0);
    } else {
        Check(written >= 0 && static_cast<std::size_t>(written) < blockSize);
        Check(block[written] == 0);
        Check(std::memchr(block.data(), 0, written) == nullptr);
    }
    Check(screen->store.LineCount() == lineCount);
    Check(screen->viewTop == viewTop);
    return 0;
}
