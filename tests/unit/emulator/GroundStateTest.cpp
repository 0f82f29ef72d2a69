#include "TerminalHarness.h"

#include <gtest/gtest.h>

namespace {

std::string Letters(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += char('a' + i % 26);
    return s;
}

TEST(PendingWrap, EightyCharactersThenXWrapsOnlyWhenXArrives) {
    Terminal t(WithAutowrap());
    t.Feed(Letters(80));
    EXPECT_EQ(0, t.emu.CursorRow());
    EXPECT_EQ(80, t.emu.CursorCol());
    EXPECT_EQ(Letters(80), t.Row(0));
    t.Feed("X");
    EXPECT_EQ(Letters(80), t.Row(0));
    EXPECT_EQ("X", t.Row(1));
    EXPECT_EQ(1, t.emu.CursorRow());
    EXPECT_EQ(1, t.emu.CursorCol());
}

TEST(PendingWrap, CarriageReturnAtColumn80CancelsTheWrap) {
    Terminal t(WithAutowrap());
    t.Feed(Letters(80) + "\rZ");
    EXPECT_EQ(0, t.emu.CursorRow());
    EXPECT_EQ('Z', t.Char(0, 0));
    EXPECT_EQ("", t.Row(1));
}

TEST(PendingWrap, WrapOnTheBottomLineScrollsIntoHistory) {
    Terminal t(WithAutowrap());
    t.Feed("top\x1b[24;1H" + Letters(80) + "X");
    EXPECT_EQ(23, t.emu.CursorRow());
    EXPECT_EQ(Letters(80), t.Row(22));
    EXPECT_EQ("X", t.Row(23));
    ASSERT_EQ(1u, t.History().size());
    EXPECT_EQ("top", t.History()[0]);
}

TEST(PendingWrap, AutowrapOffOverwritesTheLastColumn) {
    Terminal t;
    t.Feed(Letters(80) + "XYZ");
    EXPECT_EQ(Letters(79) + "Z", t.Row(0));
    EXPECT_EQ("", t.Row(1));
    EXPECT_EQ(80, t.emu.CursorCol());
}

TEST(PendingWrap, DeviceStatusReportsTheCursorOnTheLastColumn) {
    Terminal t(WithAutowrap());
    t.Feed(Letters(80) + "\x1b[6n");
    EXPECT_EQ("\x1b[1;80R", t.host.replies);
}

TEST(PendingWrap, SequencesMovingTheCursorCountFromTheLastColumn) {
    Terminal t(WithAutowrap());
    t.Feed(Letters(80) + "\x1b[C");
    EXPECT_EQ(79, t.emu.CursorCol());
    t.Feed("\x1b[1;1H" + Letters(80) + "\x1b[5D");
    EXPECT_EQ(74, t.emu.CursorCol());
}

TEST(DoubleWidth, CharactersTakeTwoCellsAndBackspaceMovesTwo) {
    Terminal t;
    t.Feed("\x1b#6AB");
    EXPECT_EQ("A B", t.Row(0));
    EXPECT_EQ(4, t.emu.CursorCol());
    t.Feed("\bC");
    EXPECT_EQ("A C", t.Row(0));
}

TEST(DoubleWidth, SpreadAndGatherExistingText) {
    Terminal t;
    t.Feed("AB\x1b#6");
    EXPECT_EQ("A B", t.Row(0));
    EXPECT_EQ(4, t.emu.CursorCol());
    t.Feed("\x1b[1;1H\x1b[C");
    EXPECT_EQ(2, t.emu.CursorCol());
    t.Feed("\x1b#5");
    EXPECT_EQ("AB", t.Row(0));
    EXPECT_EQ(1, t.emu.CursorCol());
}

TEST(DoubleWidth, CursorInTheRightHalfStopsAtTheLastColumn) {
    Terminal t;
    t.Feed("\x1b[1;61H\x1b#6");
    EXPECT_EQ(79, t.emu.CursorCol());
}

TEST(DoubleWidth, AutowrapOffKeepsTheLastCharacterInTheLastPair) {
    Terminal t;
    t.Feed("\x1b#6" + Letters(42));
    EXPECT_EQ(80, t.emu.CursorCol());
    EXPECT_EQ('p', t.Char(0, 78));
}

TEST(DoubleWidth, LastColumnOfAWide132ColumnLineStaysInsideTheLine) {
    Terminal t(TerminalSettings(), 132, 24);
    t.Feed("\x1b#6\x1b[1;67H");
    EXPECT_EQ(131, t.emu.CursorCol());
    t.Feed("Q");
    EXPECT_EQ('Q', t.Char(0, 131));
    EXPECT_LE(t.emu.CursorCol(), 132);
}

TEST(DoubleWidth, WrapOntoASingleWidthLineWritesSingleWidth) {
    Terminal t(WithAutowrap());
    t.Feed("\x1b#6" + Letters(40) + "XY");
    EXPECT_EQ("XY", t.Row(1));
    EXPECT_EQ(2, t.emu.CursorCol());
}

TEST(InsertMode, LettersPushTheRestOfTheLineRight) {
    Terminal t;
    t.Feed("abcdef\x1b[1;3H\x1b[4hXY");
    EXPECT_EQ("abXYcdef", t.Row(0));
    t.Feed("\x1b[4lZ");
    EXPECT_EQ("abXYZdef", t.Row(0));
}

TEST(InsertMode, TextPushedPastTheLogicalWidthComesBackOnDelete) {
    Terminal t;
    t.Feed("\x1b[1;79Hxy\x1b[1;79H\x1b[4hAB\x1b[1;79H\x1b[2P");
    EXPECT_EQ('x', t.Char(0, 78));
    EXPECT_EQ('y', t.Char(0, 79));
}

TEST(Tabs, DefaultStopsEveryEightColumnsAndTheLastColumnStops) {
    Terminal t;
    t.Feed("\tA\tB");
    EXPECT_EQ('A', t.Char(0, 8));
    EXPECT_EQ('B', t.Char(0, 16));
    t.Feed(std::string(20, '\t'));
    EXPECT_EQ(79, t.emu.CursorCol());
}

TEST(Tabs, SetAndClearStops) {
    Terminal t;
    t.Feed("\x1b[1;5H\x1bH\r\tA");
    EXPECT_EQ('A', t.Char(0, 4));
    t.Feed("\x1b[1;17H\x1b[g\x1b[1;10H\tB");
    EXPECT_EQ('B', t.Char(0, 24));
    t.Feed("\x1b[3g\r\tC");
    EXPECT_EQ('C', t.Char(0, 79));
}

TEST(LineFeed, NewlineModeReturnsToColumnZero) {
    Terminal t;
    t.Feed("ab\ncd");
    EXPECT_EQ("  cd", t.Row(1));
    t.Feed("\x1b[20h\x0b"
           "ef\x0c"
           "gh");
    EXPECT_EQ("ef", t.Row(2));
    EXPECT_EQ("gh", t.Row(3));
    EXPECT_EQ(1, t.emu.CurrentSettings().newlineMode);
}

TEST(Bell, BellBeepsWithoutMovingTheCursor) {
    Terminal t;
    t.Feed("a\a\x1b[1\ab");
    EXPECT_EQ(2, t.host.beeps);
    EXPECT_EQ("ab", t.Row(0));
}

TEST(Attributes, SgrSetsAndClearsSingleBits) {
    Terminal t;
    t.Feed("\x1b[1;4;5;7mA\x1b[22mB\x1b[24;25mC\x1b[27mD\x1b[1;9mE");
    EXPECT_EQ(AttrBold | AttrUnderline | AttrBlink | AttrReverse, t.Attr(0, 0));
    EXPECT_EQ(AttrUnderline | AttrBlink | AttrReverse, t.Attr(0, 1));
    EXPECT_EQ(AttrReverse, t.Attr(0, 2));
    EXPECT_EQ(0, t.Attr(0, 3));
    EXPECT_EQ(AttrBold, t.Attr(0, 4));
    EXPECT_EQ(AttrBold, t.state.attribute);
}

} // namespace
