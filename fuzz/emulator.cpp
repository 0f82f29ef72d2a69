// Feeds arbitrary host streams to the terminal emulator under arbitrary
// terminal options and block cuts, and checks after every block that the
// cursor, the margins, the attributes and the scrollback store stay sound,
// and at the end that the cuts changed nothing: the same stream fed in
// receive-sized blocks leaves the same screen, history and replies.
//
// Input: byte 0 the emulation (mod 3); byte 1 the options (bits 0-1 the
// national set, 2 multinational, 3 autowrap, 4 newline mode, 5 monitor
// mode, 6 UTF-8 mode); byte 2 the columns (3 + b mod 130); byte 3 the lines (3 + b mod
// 58); byte 4 the number n (0..15) of cut bytes that follow, each cut byte
// + 1 the length of the next block; the rest is the stream, whose remainder
// after the cut blocks is fed in blocks of 1,024 bytes.
#include "emulator/Emulator.h"
#include "screen/BlockPool.h"
#include "screen/ScreenBuffer.h"
#include "tests/unit/emulator/EmulatorProbe.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr size_t HeaderSize = 5;
constexpr size_t ReceiveBlockSize = 1024;

void Check(bool condition) {
    if (!condition) std::abort();
}

struct Setup {
    TerminalSettings settings;
    int columns;
    int lines;
};

Setup ReadSetup(const uint8_t* header) {
    Setup s;
    s.settings.emulation = header[0] % 3;
    s.settings.nationalSet = header[1] & 3;
    s.settings.multinational = (header[1] >> 2) & 1;
    s.settings.autowrap = (header[1] >> 3) & 1;
    s.settings.newlineMode = (header[1] >> 4) & 1;
    s.settings.monitorMode = (header[1] >> 5) & 1;
    s.settings.utf8 = (header[1] >> 6) & 1;
    s.columns = 3 + header[2] % 130;
    s.lines = 3 + header[3] % 58;
    return s;
}

class ReplyRecorder : public EmulatorHost {
  public:
    std::string replies;
    void SendReply(const char* text, int length) override {
        Check(text && length > 0);
        replies.append(text, length);
        replies += '\n';
    }
};

// A terminal with its own block pool, so that runs do not share history.
struct Terminal {
    BlockPool pool;
    std::unique_ptr<ScreenBuffer> screen;
    ReplyRecorder host;
    std::unique_ptr<Emulator> emulator;

    // The reset at construction leaves monitor mode off, so it is switched
    // on afterwards, as the dialog does.
    explicit Terminal(const Setup& s)
        : screen(std::make_unique<ScreenBuffer>(s.columns, s.lines, pool)),
          emulator(std::make_unique<Emulator>(*screen, s.settings, &host)) {
        emulator->ApplySettings(s.settings, 0, 0);
    }
};

// The store's line count matches a walk back from its end and forward again;
// the walk leaves the cursor at the end, where appends put it anyway.
void CheckStore(ScrollbackStore& store) {
    store.SeekEnd();
    int back = 0;
    while (store.SkipBack())
        back += 1;
    int forward = 0;
    unsigned char text[CountedLineSize];
    while (store.ReadNextLine(text)) {
        Check(text[0] <= LineWidth);
        forward += 1;
    }
    Check(back == store.LineCount());
    Check(forward == store.LineCount());
}

// Attribute bits 4 to 7 are never stored in the grid.
void CheckCells(const ScreenBuffer& screen) {
    Cell all = 0;
    for (int row = 0; row < MaxLines; ++row) {
        const Cell* cells = screen.RowCells(row);
        for (int col = 0; col < LineWidth; ++col)
            all |= cells[col];
    }
    Check((CellAttr(all) & 0xF0) == 0);
}

void CheckTerminal(Terminal& t) {
    const ScreenBuffer& s = *t.screen;
    const EmulatorProbe e(*t.emulator);
    Check(s.columns >= 3 && s.columns <= LineWidth);
    Check(s.lines >= 3 && s.lines <= MaxLines);
    Check(t.emulator->CursorRow() >= 0 && t.emulator->CursorRow() < s.lines);
    Check(t.emulator->CursorCol() >= 0 && t.emulator->CursorCol() <= s.columns);
    Check(e.scrollTop >= 0 && e.scrollTop < e.scrollBottom && e.scrollBottom < s.lines);
    Check((e.attribute & 0xF0) == 0);
    for (int row = 0; row < MaxLines; ++row)
        Check(e.lineWidth[row] == 1 || e.lineWidth[row] == 2);
    for (int g = 0; g < 4; ++g)
        Check(e.charsets.designation[g] >= 0 && e.charsets.designation[g] < CharsetState::SetCount);
    Check(e.charsets.invokedGL >= 0 && e.charsets.invokedGL < 4);
    Check(e.charsets.invokedGR >= 0 && e.charsets.invokedGR < 4);
    CheckCells(s);
    CheckStore(t.screen->store);
}

void Feed(Terminal& t, const uint8_t* bytes, size_t length) {
    t.emulator->ProcessInput(bytes, static_cast<int>(length));
    t.screen->FlushChanges();
    CheckTerminal(t);
}

void FeedInReceiveBlocks(Terminal& t, const uint8_t* bytes, size_t length) {
    for (size_t pos = 0; pos < length; pos += ReceiveBlockSize)
        Feed(t, bytes + pos, std::min(ReceiveBlockSize, length - pos));
}

std::string History(ScrollbackStore& store) {
    store.SeekEnd();
    while (store.SkipBack()) {
    }
    std::string lines;
    unsigned char text[CountedLineSize];
    while (store.ReadNextLine(text)) {
        lines.append(reinterpret_cast<const char*>(text + 1), text[0]);
        lines += '\n';
    }
    return lines;
}

void CheckSameResult(Terminal& a, Terminal& b) {
    for (int row = 0; row < MaxLines; ++row)
        Check(std::memcmp(a.screen->RowCells(row), b.screen->RowCells(row),
                          LineWidth * sizeof(Cell)) == 0);
    Check(a.emulator->CursorRow() == b.emulator->CursorRow());
    Check(a.emulator->CursorCol() == b.emulator->CursorCol());
    Check(a.screen->columns == b.screen->columns);
    Check(a.host.replies == b.host.replies);
    Check(History(a.screen->store) == History(b.screen->store));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < HeaderSize) return 0;
    const Setup setup = ReadSetup(data);
    const size_t cutCount = data[4] % 16;
    if (size < HeaderSize + cutCount) return 0;
    const uint8_t* cuts = data + HeaderSize;
    const uint8_t* stream = cuts + cutCount;
    const size_t length = size - HeaderSize - cutCount;

    Terminal cut(setup);
    CheckTerminal(cut);
    size_t pos = 0;
    for (size_t i = 0; i < cutCount && pos < length; ++i) {
        size_t n = std::min<size_t>(cuts[i] + 1u, length - pos);
        Feed(cut, stream + pos, n);
        pos += n;
    }
    FeedInReceiveBlocks(cut, stream + pos, length - pos);

    Terminal whole(setup);
    FeedInReceiveBlocks(whole, stream, length);
    CheckSameResult(cut, whole);
    return 0;
}
