// The receive road from the connection to the screen, paced (several large
// reads to a window update) and block by block (1,024-byte reads, each
// followed by an update): the final screen, the history, what reaches the
// log and every reply are the same, byte for byte; only the number of
// window calls differs.
#include "FakeConnection.h"
#include "emulator/Emulator.h"
#include "screen/ScreenBuffer.h"
#include "screen/ScreenTestSupport.h"
#include "session/Session.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

// What one run leaves behind.
struct Outcome {
    std::vector<Cell> cells;
    std::vector<std::string> history;
    std::string loggedLines;
    std::string loggedBytes;
    std::string replies;
    std::vector<std::string> telnetReplies;
    int cursorRow = 0;
    int cursorCol = 0;
    int updates = 0;
    int windowCalls = 0;
};

// The terminal window as the receive road sees it: the emulator on a real
// screen buffer with its own history pool, a clock that advances tick
// milliseconds at each reading, and a record of the window calls, the log
// and the replies.
class RecordingTerminal : public SessionWindow, public EmulatorHost, public ScreenView {
  public:
    explicit RecordingTerminal(unsigned tick) : tick(tick) {
        TerminalSettings settings;
        settings.autowrap = 1;
        emulator = std::make_unique<Emulator>(*screen, settings, this);
        screen->SetView(this);
    }

    void ProcessReceived(const char* bytes, int count) override {
        out.loggedBytes.append(bytes, count);
        screen->BatchRepaints();
        emulator->ProcessInput(bytes, count);
    }
    void ShowChanges() override {
        screen->FlushChanges();
        ++out.updates;
    }
    unsigned Milliseconds() override { return now += tick; }

    void SendReply(const char* text, int length) override { out.replies.append(text, length); }
    // As the window does: the margins and tab stops follow a column switch
    // at once; only the window's size waits for the update.
    void ShowColumnsChanged() override { emulator->ResetGeometry(); }

    void InvalidateCells(int, int, int, int) override { ++out.windowCalls; }
    void ScrollCells(int, int, int, int) override { ++out.windowCalls; }
    void UpdateView() override { ++out.windowCalls; }
    void LogLine(const unsigned char* text) override {
        out.loggedLines.append(reinterpret_cast<const char*>(text + 1), text[0]);
        out.loggedLines += '\n';
    }

    Outcome Finish() {
        for (int row = 0; row < MaxLines; ++row)
            for (int col = 0; col < LineWidth; ++col)
                out.cells.push_back(screen->CellAt(row, col));
        out.history = StoreLines(screen->store);
        out.cursorRow = emulator->CursorRow();
        out.cursorCol = emulator->CursorCol();
        return out;
    }

  private:
    unsigned tick;
    unsigned now = 0;
    BlockPool pool;
    std::unique_ptr<ScreenBuffer> screen = std::make_unique<ScreenBuffer>(80, 24, pool);
    std::unique_ptr<Emulator> emulator;
    Outcome out;
};

// Feeds the host's bytes through the receive road as the idle work does:
// the socket yields pieces of 1 to maxRead bytes, and the pump runs until it
// has nothing more. Local echo waits at the front at the start.
Outcome Receive(const std::string& hostBytes, unsigned tick, size_t maxRead) {
    RecordingTerminal window(tick);
    FakeConnection link;
    Session session(window);
    session.Link(&link);
    ReceivePath& receiver = session.receiver;
    std::mt19937 random(7);
    for (size_t at = 0; at < hostBytes.size();) {
        size_t piece = 1 + random() % maxRead;
        link.receiveScript.push_back(hostBytes.substr(at, piece));
        at += piece;
    }
    receiver.PlaceEcho("typed ahead\r\n", 13);
    while (receiver.PumpReceive()) {
    }
    Outcome out = window.Finish();
    out.telnetReplies = link.writes;
    return out;
}

// The benchmark's three workloads in small, with reports asked for,
// switches between 80 and 132 columns and Telnet commands among them.
std::string Workload(int kind, size_t size) {
    std::mt19937 random(kind);
    auto letters = [&](int length) {
        std::string text;
        for (int i = 0; i < length; ++i)
            text += static_cast<char>('a' + random() % 26);
        return text;
    };
    std::string out;
    for (int unit = 0; out.size() < size; ++unit) {
        if (kind == 0) out += letters(20 + random() % 61) + "\r\n";
        if (kind == 1)
            out += "\x1b[" + std::to_string(1 + random() % 24) + ";" +
                   std::to_string(1 + random() % 69) + "H\x1b[" + std::to_string(random() % 8) +
                   "mhello world";
        if (kind == 2)
            out += "\x1b[5;20r\x1b[20H" + letters(20 + random() % 61) + "\r\n\x1b[12H\x1b[M\x1b[L";
        if (unit % 97 == 0) out += "\x1b[6n\x1b[c";
        if (unit % 89 == 0) out += unit % 178 ? "\x1b[?3l" : "\x1b[?3h"; // DECCOLM
        if (unit % 131 == 0) out += Bytes({255, 253, 24, 255, 241, 255, 255});
    }
    return out;
}

void ExpectSame(const Outcome& paced, const Outcome& blocks) {
    EXPECT_TRUE(paced.cells == blocks.cells);
    EXPECT_EQ(paced.history, blocks.history);
    EXPECT_EQ(paced.loggedLines, blocks.loggedLines);
    EXPECT_EQ(paced.loggedBytes, blocks.loggedBytes);
    EXPECT_EQ(paced.replies, blocks.replies);
    EXPECT_EQ(paced.telnetReplies, blocks.telnetReplies);
    EXPECT_EQ(paced.cursorRow, blocks.cursorRow);
    EXPECT_EQ(paced.cursorCol, blocks.cursorCol);
}

TEST(PacedReceive, PacedAndBlockByBlockEndTheSameOnEveryWorkload) {
    const char* names[] = {"scrolling text", "SGR and cursor addressing", "scrolling region"};
    for (int kind = 0; kind < 3; ++kind) {
        SCOPED_TRACE(names[kind]);
        std::string bytes = Workload(kind, kind == 0 ? 1200000 : 300000);
        Outcome blocks = Receive(bytes, ReceivePath::UpdateInterval, 1024);
        Outcome paced = Receive(bytes, 1, 2 * ReceivePath::ReceiveBufferSize);
        Outcome unpaced = Receive(bytes, 0, 2 * ReceivePath::ReceiveBufferSize);
        ExpectSame(paced, blocks);
        ExpectSame(unpaced, blocks);
        // Block by block updates the window after every read.
        EXPECT_GE(blocks.updates, static_cast<int>(bytes.size() / 1024));
        EXPECT_LE(paced.updates * 15, blocks.updates);
        EXPECT_LE(paced.windowCalls * 10, blocks.windowCalls);
        EXPECT_FALSE(blocks.replies.empty());
        EXPECT_FALSE(blocks.telnetReplies.empty());
    }
}

} // namespace
