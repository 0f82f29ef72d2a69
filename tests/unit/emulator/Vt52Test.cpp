#include "TerminalHarness.h"

#include <gtest/gtest.h>

namespace {

// A VT100 in VT52 mode with the cursor at row 5, column 10.
struct Vt52Terminal : Terminal {
    explicit Vt52Terminal(const TerminalSettings& s = TerminalSettings()) : Terminal(s) {
        Feed("\x1b[6;11H\x1b[?2l");
    }
};

TEST(Vt52Mode, CursorMovesByOneAndHomesToTheCorner) {
    Vt52Terminal t;
    EXPECT_EQ(0, t.emu.CurrentKeyModes().ansiMode);
    t.Feed("\x1b"
           "A\x1b"
           "C\x1b"
           "C");
    EXPECT_EQ(4, t.emu.CursorRow());
    EXPECT_EQ(12, t.emu.CursorCol());
    t.Feed("\x1b"
           "B\x1b"
           "B\x1b"
           "D");
    EXPECT_EQ(6, t.emu.CursorRow());
    EXPECT_EQ(11, t.emu.CursorCol());
    t.Feed("\x1b[5;10r\x1b[8;1H\x1bH");
    EXPECT_EQ(0, t.emu.CursorRow());
    EXPECT_EQ(0, t.emu.CursorCol());
}

TEST(Vt52Mode, DirectAddressIsAbsoluteAndClamped) {
    Vt52Terminal t;
    t.Feed("\x1b[5;10r\x1b[?6h");
    t.Feed("\x1bY\x22\x25"
           "A");
    EXPECT_EQ('A', t.Char(2, 5));
    t.Feed("\x1bY~~");
    EXPECT_EQ(23, t.emu.CursorRow());
    EXPECT_EQ(79, t.emu.CursorCol());
    t.Feed("\x1bY");
    t.Feed("!");
    t.Feed("!B");
    EXPECT_EQ('B', t.Char(1, 1));
}

TEST(Vt52Mode, ControlAsAddressByteIsExecutedAndUsedAsTheCoordinate) {
    Vt52Terminal t;
    t.Feed("\x1bY\r\r");
    EXPECT_EQ(0, t.emu.CursorRow());
    EXPECT_EQ(0, t.emu.CursorCol());
    EXPECT_EQ(Emulator::Ground, t.state.parserState);
}

TEST(Vt52Mode, IdentifyAndEraseAndReverseLineFeed) {
    Vt52Terminal t;
    t.Feed("\x1bZ");
    EXPECT_EQ("\x1b/Z", t.host.replies);
    t.Feed("\x1bH"
           "abcdef\x1bY  \x1b"
           "C\x1bK");
    EXPECT_EQ("a", t.Row(0));
    t.Feed("\x1bI");
    EXPECT_EQ(0, t.emu.CursorRow()); // at the top margin the screen scrolls down
    EXPECT_EQ("a", t.Row(1));
    t.Feed("\x1bJ");
    EXPECT_EQ("", t.Row(1));
}

TEST(Vt52Mode, GraphicsModeUsesTheSpecialGraphicsSet) {
    Vt52Terminal t;
    t.Feed("\x1bH\x1b"
           "Flqk\x1bGq");
    EXPECT_EQ("+-+q", t.Row(0));
}

TEST(Vt52Mode, WorksInSevenBitsWithTheFinnishSetAndRestoresOnLeaving) {
    TerminalSettings s;
    s.multinational = 1;
    s.nationalSet = CharsetState::British;
    Vt52Terminal t(s);
    EXPECT_EQ(0, t.emu.CurrentSettings().multinational);
    EXPECT_EQ(CharsetState::Finnish, t.emu.CurrentSettings().nationalSet);
    t.Feed("\x1bH[");
    EXPECT_EQ(196, t.Char(0, 0));
    t.Feed("\x1b<");
    EXPECT_EQ(1, t.emu.CurrentKeyModes().ansiMode);
    EXPECT_EQ(1, t.emu.CurrentSettings().multinational);
    EXPECT_EQ(CharsetState::British, t.emu.CurrentSettings().nationalSet);
    t.Feed("[");
    EXPECT_EQ('[', t.Char(0, 1));
}

TEST(Vt52Mode, EnteringAgainKeepsTheOptionsFromBeforeTheFirstEntry) {
    TerminalSettings s;
    s.multinational = 1;
    s.nationalSet = CharsetState::Swedish;
    Vt52Terminal t(s);
    t.Feed("\x1b[?2l\x1b<");
    EXPECT_EQ(1, t.emu.CurrentSettings().multinational);
    EXPECT_EQ(CharsetState::Swedish, t.emu.CurrentSettings().nationalSet);
}

TEST(Vt52Mode, KeypadModeIsKeptAcrossTheMode) {
    Terminal t;
    t.Feed("\x1b=\x1b[?2l");
    EXPECT_EQ(0, t.emu.CurrentKeyModes().keypadMode);
    t.Feed("\x1b=");
    EXPECT_EQ(1, t.emu.CurrentKeyModes().keypadMode);
    t.Feed("\x1b>\x1b<");
    EXPECT_EQ(1, t.emu.CurrentKeyModes().keypadMode);
}

TEST(Vt52Mode, ControlSequencesStillWorkAndAnsiOnlyEscapesDoNot) {
    Vt52Terminal t;
    t.Feed("\x1b[3;4H");
    EXPECT_EQ(2, t.emu.CursorRow());
    EXPECT_EQ(3, t.emu.CursorCol());
    t.Feed("\x1b"
           "7\x1b"
           "c\x1b(0");
    EXPECT_EQ(0, t.emu.CurrentKeyModes().ansiMode);
    EXPECT_EQ(-1, t.state.savedRow);
    t.Feed("q");
    EXPECT_EQ('q', t.Char(2, 3));
}

TEST(Vt52Mode, AutoPrintSwitches) {
    Vt52Terminal t;
    t.Feed("\x1b^");
    EXPECT_EQ(1, t.state.autoPrint);
    t.Feed("\x1b_");
    EXPECT_EQ(0, t.state.autoPrint);
}

} // namespace
