#include "TerminalHarness.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Everything a host could observe or the window could show.
std::string Snapshot(Terminal& t) {
    std::ostringstream out;
    for (int r = 0; r < t.screen->lines; ++r) {
        out << t.FullRow(r) << '|';
        for (int c = 0; c < LineWidth; ++c)
            out << int(t.Attr(r, c)) << ',';
        out << int(t.state.lineWidth[r]) << '\n';
    }
    for (const std::string& line : t.History())
        out << "h:" << line << '\n';
    out << "cursor " << t.emu.CursorRow() << ',' << t.emu.CursorCol() << " region "
        << t.state.scrollTop << ',' << t.state.scrollBottom << " attr " << t.state.attribute
        << " ansi " << t.emu.CurrentKeyModes().ansiMode << " gl " << t.state.charsets.invokedGL
        << " replies " << t.host.replies;
    return out.str();
}

// A stream that exercises every parser state: parameters, intermediates,
// designations, single shifts, 8-bit controls, VT52 addressing, CAN, a reply.
const std::string kStream = "\x1b[2J\x1b[1;1Hprompt$ \x1b[1;7mbold\x1b[m \x1b(0lqqk\x1b(B\r\n"
                            "\x1b[5;20r\x1b[?6h\x1b[2;3Hin region\x1b[?6l\x1b[20;1H\n\n\n"
                            "\x1bN"
                            "A\x1b[4hIN\x1b[4l\x1b#6wide\x1b[6n\x1b[12\x18"
                            "x"
                            "\x9b"
                            "3;3H8bit\x1b[?2l\x1bY\x25\x30vt52\x1b"
                            "A\x1b<\x1b[c"
                            "\x1b[r\x1b[24;1H"
                            "last line scrolls\n";

void FeedInPieces(Terminal& t, const std::string& s, size_t first, size_t second) {
    t.Feed(s.substr(0, first));
    t.Feed(s.substr(first, second - first));
    t.Feed(s.substr(second));
}

TEST(SplitBlocks, EverySplitPointGivesTheSameResultAsOneBlock) {
    Terminal whole(WithEmulation(2));
    whole.Feed(kStream);
    std::string expected = Snapshot(whole);
    for (size_t split = 1; split < kStream.size(); ++split) {
        Terminal t(WithEmulation(2));
        FeedInPieces(t, kStream, split, split);
        ASSERT_EQ(expected, Snapshot(t)) << "split at " << split;
    }
}

TEST(SplitBlocks, ThreeWaySplitsAcrossLongSequences) {
    Terminal whole(WithEmulation(2));
    whole.Feed(kStream);
    std::string expected = Snapshot(whole);
    for (size_t a = 1; a < kStream.size(); a += 7) {
        for (size_t b = a + 1; b < kStream.size(); b += 5) {
            Terminal t(WithEmulation(2));
            FeedInPieces(t, kStream, a, b);
            ASSERT_EQ(expected, Snapshot(t)) << "splits at " << a << ", " << b;
        }
    }
}

TEST(SplitBlocks, ByteByByteGivesTheSameResult) {
    Terminal whole(WithEmulation(2));
    whole.Feed(kStream);
    Terminal t(WithEmulation(2));
    for (char c : kStream)
        t.Feed(std::string(1, c));
    EXPECT_EQ(Snapshot(whole), Snapshot(t));
    // The stream did reach every part it was written for.
    EXPECT_NE(std::string::npos, whole.host.replies.find("R"));
    EXPECT_NE(std::string::npos, whole.host.replies.find("\x1b[?62;1;2;9c"));
    EXPECT_EQ("last line scrolls", whole.Row(22));
}

} // namespace
