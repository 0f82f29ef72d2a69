#include "TerminalHarness.h"

#include <gtest/gtest.h>

namespace {

// An absent or zero top margin is line 1; the bottom is taken as given.
TEST(RegionMargins, AbsentOrZeroTopMarginIsTheFirstLine) {
    const struct {
        const char* sequence;
        int top;
        int bottom;
    } cases[] = {{"\x1b[;10r", 0, 9},  {"\x1b[0;10r", 0, 9}, {"\x1b[00;10r", 0, 9},
                 {"\x1b[1;10r", 0, 9}, {"\x1b[2;10r", 1, 9}, {"\x1b[;r", 0, 23}};
    for (const auto& c : cases) {
        Terminal t;
        t.Feed("\x1b[?6h\x1b[5;5H");
        t.Feed(c.sequence);
        EXPECT_EQ(c.top, t.state.scrollTop) << c.sequence + 1;
        EXPECT_EQ(c.bottom, t.state.scrollBottom) << c.sequence + 1;
        EXPECT_EQ(c.top, t.emu.CursorRow()) << c.sequence + 1;
    }
}

// A control sequence with an intermediate character is none of the ones
// without: it leaves the screen, the cursor, the attribute and the modes.
TEST(CsiIntermediates, SequencesWithIntermediatesAreIgnored) {
    const char* sequences[] = {"\x1b[2 J", "\x1b[ K",  "\x1b[2!P", "\x1b[3$@",  "\x1b[5 C",
                               "\x1b[7!m", "\x1b[4 h", "\x1b[3 r", "\x1b[2\"X", "\x1b[1 M",
                               "\x1b[6 n", "\x1b[!c",  "\x1b[20 h"};
    for (const char* sequence : sequences) {
        Terminal t;
        t.Feed("abcdef\r\nghijkl\x1b[1;3H");
        t.Feed(sequence);
        EXPECT_EQ("abcdef", t.Row(0)) << sequence + 1;
        EXPECT_EQ("ghijkl", t.Row(1)) << sequence + 1;
        EXPECT_EQ(0, t.emu.CursorRow()) << sequence + 1;
        EXPECT_EQ(2, t.emu.CursorCol()) << sequence + 1;
        EXPECT_EQ(0, t.state.attribute) << sequence + 1;
        EXPECT_EQ(0, t.state.insertMode) << sequence + 1;
        EXPECT_EQ(0, t.emu.CurrentSettings().newlineMode) << sequence + 1;
        EXPECT_EQ(23, t.state.scrollBottom) << sequence + 1;
        EXPECT_EQ("", t.host.replies) << sequence + 1;
    }
}

// BS on a double-width line goes back one character, two cells, and stops
// at the left edge from an odd column too.
TEST(DoubleWidthControls, BackspaceFromEveryKindOfColumn) {
    const struct {
        const char* setup;
        int expected;
    } cases[] = {
        {"\x1b#6\x1b[2;1Ha\x1b[A", 0},   // column 1, reached from a single-width line
        {"\x1b#6\x1b[2;1Habc\x1b[A", 1}, // column 3
        {"\x1b#6\x1b[1;3H", 2},          // column 4
        {"\x1b#6\x1b[1;99H", 77},        // column 79, the last
        {"\x1b#6", 0},                   // column 0
    };
    for (const auto& c : cases) {
        Terminal t;
        t.Feed(c.setup);
        t.Feed("\b");
        EXPECT_EQ(c.expected, t.emu.CursorCol()) << c.setup;
    }
}

// In insert mode a character on a double-width line pushes the rest of the
// line right by both of its cells.
TEST(DoubleWidthControls, InsertModeMakesRoomForTwoCells) {
    Terminal t;
    t.Feed("\x1b#6ABC\r\x1b[4hX");
    EXPECT_EQ("X A B C", t.Row(0));
    EXPECT_EQ(2, t.emu.CursorCol());
    t.Feed("Y");
    EXPECT_EQ("X Y A B C", t.Row(0));
}

// Monitor mode shows the C0 and C1 controls and the caret in caret notation,
// everything else as itself.
TEST(MonitorMode, CaretNotationCoversExactlyTheControlsAndTheCaret) {
    const struct {
        unsigned char byte;
        std::string shown;
    } cases[] = {
        {0, "^@"},
        {31, "^_"},
        {32, ""},
        {'^', "^^"},
        {126, "~"},
        {127, "\x7f"},
        {128, std::string("^") + char(192)},
        {155, std::string("^") + char(219)},
        {159, std::string("^") + char(223)},
        {160, "\xa0"},
        {255, "\xff"},
    };
    for (const auto& c : cases) {
        Terminal t;
        t.SetMonitorMode(1);
        t.Feed(std::string(1, char(c.byte)));
        EXPECT_EQ(c.shown, t.Row(0)) << int(c.byte);
        EXPECT_EQ(c.byte == 32 ? 1 : int(c.shown.size()), t.emu.CursorCol()) << int(c.byte);
    }
}

} // namespace
