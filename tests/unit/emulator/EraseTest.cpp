#include "TerminalHarness.h"

#include <gtest/gtest.h>

namespace {

// Rows 0..5 hold "row0".."row5" with the cursor left at the end of row 5.
void FillSixRows(Terminal& t) {
    for (int r = 0; r < 6; ++r)
        t.Feed("\x1b[" + std::to_string(r + 1) + ";1Hrow" + std::to_string(r));
}

TEST(EraseDisplay, WholeScreenMovesRowsUpToTheLastTextIntoHistory) {
    Terminal t;
    FillSixRows(t);
    t.Feed("\x1b[4;1H\x1b[2K"); // a blank row among them
    t.Feed("\x1b[2J");
    std::vector<std::string> expected = {"row0", "row1", "row2", "", "row4", "row5"};
    EXPECT_EQ(expected, t.History());
    for (int r = 0; r < 24; ++r)
        EXPECT_EQ("", t.Row(r)) << r;
    EXPECT_EQ(3, t.emu.CursorRow()); // the cursor does not move
}

TEST(EraseDisplay, FromHomeToTheEndAlsoSavesTheScreen) {
    Terminal t;
    FillSixRows(t);
    t.Feed("\x1b[H\x1b[J");
    EXPECT_EQ(6u, t.History().size());
    EXPECT_EQ("", t.Row(0));
}

TEST(EraseDisplay, BlankScreenAddsNothingToHistory) {
    Terminal t;
    t.Feed("\x1b[2J\x1b[2J");
    EXPECT_EQ(0u, t.History().size());
}

TEST(EraseDisplay, ErasingPartOfTheScreenKeepsHistoryUnchanged) {
    Terminal t;
    FillSixRows(t);
    t.Feed("\x1b[3;3H\x1b[J");
    EXPECT_EQ(0u, t.History().size());
    EXPECT_EQ("row1", t.Row(1));
    EXPECT_EQ("ro", t.Row(2));
    EXPECT_EQ("", t.Row(3));
    t.Feed("\x1b[2;2H\x1b[1J");
    EXPECT_EQ("", t.Row(0));
    EXPECT_EQ("  w1", t.Row(1));
}

TEST(EraseDisplay, ParameterThreeAndAboveEraseFromTheCursorLikeZero) {
    Terminal t;
    FillSixRows(t);
    t.Feed("\x1b[2;3H\x1b[3J");
    EXPECT_EQ("row0", t.Row(0));
    EXPECT_EQ("ro", t.Row(1));
    EXPECT_EQ("", t.Row(2));
    EXPECT_EQ(0u, t.History().size());
}

TEST(EraseDisplay, ErasedCellsTakeNoAttributeWhateverTheCurrentOne) {
    Terminal t;
    t.Feed("\x1b[7mabc\x1b[1;2H\x1b[K");
    EXPECT_EQ(AttrReverse, t.Attr(0, 0));
    EXPECT_EQ(0, t.Attr(0, 1));
    EXPECT_EQ(0, t.Attr(0, 2));
}

TEST(EraseLine, WholeLineDoesNotTouchHistory) {
    Terminal t;
    FillSixRows(t);
    t.Feed("\x1b[1;1H\x1b[2K");
    EXPECT_EQ("", t.Row(0));
    EXPECT_EQ("row1", t.Row(1));
    EXPECT_EQ(0u, t.History().size());
}

TEST(EraseLine, ToTheCursorIncludesTheCursorCell) {
    Terminal t;
    t.Feed("abcdef\x1b[1;3H\x1b[1K");
    EXPECT_EQ("   def", t.Row(0));
}

TEST(EraseLine, PendingWrapOnAFull132ColumnLineErasesOnlyThatLine) {
    Terminal t(WithAutowrap(), 132, 24);
    t.Feed("\x1b[2;1Hnext\x1b[1;1H" + std::string(132, 'w'));
    EXPECT_EQ(132, t.emu.CursorCol());
    t.Feed("\x1b[1K");
    EXPECT_EQ("", t.FullRow(0));
    EXPECT_EQ("next", t.Row(1));
    t.Feed("\x1b[24;1H" + std::string(132, 'z') + "\x1b[1J");
    EXPECT_EQ("", t.FullRow(23));
}

TEST(EraseCharacters, StopsAtTheRightMargin) {
    Terminal t;
    t.Feed("\x1b[1;75Habcdef\x1b[1;77H\x1b[99X");
    EXPECT_EQ(std::string(74, ' ') + "ab", t.Row(0));
    t.Feed("\x1b[1;75H\x1b[2X");
    EXPECT_EQ("", t.Row(0));
}

TEST(EraseAndLineWidth, ErasedRowsBecomeSingleWidth) {
    Terminal t;
    t.Feed("\x1b[3;1H\x1b#6\x1b[5;1H\x1b#6\x1b[4;1H\x1b[J");
    EXPECT_EQ(2, t.state.lineWidth[2]);
    EXPECT_EQ(1, t.state.lineWidth[4]);
    t.Feed("\x1b[2J");
    EXPECT_EQ(1, t.state.lineWidth[2]);
}

TEST(EraseAndLineWidth, ErasingUpToACursorWaitingToWrapResetsItsRowToo) {
    Terminal t;
    t.Feed("\x1b[4;1H\x1b#6" + std::string(40, 'w'));
    EXPECT_EQ(80, t.emu.CursorCol());
    t.Feed("\x1b[1J");
    EXPECT_EQ("", t.Row(3));
    EXPECT_EQ(1, t.state.lineWidth[3]);
}

TEST(AlignmentPattern, FillsTheScreenWithEAndKeepsTheCursor) {
    Terminal t;
    t.Feed("\x1b[5;6H\x1b#8");
    EXPECT_EQ(std::string(80, 'E'), t.Row(0));
    EXPECT_EQ(std::string(80, 'E'), t.Row(23));
    EXPECT_EQ(4, t.emu.CursorRow());
    EXPECT_EQ(5, t.emu.CursorCol());
}

} // namespace
