#include "TerminalHarness.h"

#include <gtest/gtest.h>

namespace {

// Rows 0..23 hold "L0".."L23".
void NumberRows(Terminal& t) {
    for (int r = 0; r < 24; ++r)
        t.Feed("\x1b[" + std::to_string(r + 1) + ";1HL" + std::to_string(r));
}

TEST(ScrollingRegion, LineFeedAtTheBottomMarginScrollsOnlyTheRegion) {
    Terminal t;
    NumberRows(t);
    t.Feed("\x1b[5;10r\x1b[10;1H\n");
    EXPECT_EQ("L3", t.Row(3));
    EXPECT_EQ("L5", t.Row(4));
    EXPECT_EQ("L9", t.Row(8));
    EXPECT_EQ("", t.Row(9));
    EXPECT_EQ("L10", t.Row(10));
    EXPECT_EQ(0u, t.History().size()); // a region below row 0 saves nothing
}

TEST(ScrollingRegion, RegionFromTheTopSavesScrolledLines) {
    Terminal t;
    NumberRows(t);
    t.Feed("\x1b[1;3r\x1b[3;1H\n\n");
    EXPECT_EQ((std::vector<std::string>{"L0", "L1"}), t.History());
    EXPECT_EQ("L2", t.Row(0));
    EXPECT_EQ("L3", t.Row(3));
}

TEST(ScrollingRegion, CursorBelowTheRegionStopsAtTheLastLine) {
    Terminal t;
    NumberRows(t);
    t.Feed("\x1b[1;5r\x1b[24;1H\n\n");
    EXPECT_EQ(23, t.emu.CursorRow());
    EXPECT_EQ("L23", t.Row(23));
    EXPECT_EQ("L0", t.Row(0));
}

TEST(ScrollingRegion, ReverseIndexAtTheTopMarginScrollsDown) {
    Terminal t;
    NumberRows(t);
    t.Feed("\x1b[5;10r\x1b[5;1H\x1bM");
    EXPECT_EQ("", t.Row(4));
    EXPECT_EQ("L4", t.Row(5));
    EXPECT_EQ("L8", t.Row(9));
    EXPECT_EQ("L10", t.Row(10));
    t.Feed("\x1b[1;1H\x1bM");
    EXPECT_EQ(0, t.emu.CursorRow());
    EXPECT_EQ("L0", t.Row(0));
}

TEST(ScrollingRegion, BadMarginsGiveTheWholeScreen) {
    Terminal t;
    t.Feed("\x1b[10;5r");
    EXPECT_EQ(0, t.state.scrollTop);
    EXPECT_EQ(23, t.state.scrollBottom);
    t.Feed("\x1b[7;7r");
    EXPECT_EQ(0, t.state.scrollTop);
    EXPECT_EQ(23, t.state.scrollBottom);
    t.Feed("\x1b[3;99r");
    EXPECT_EQ(2, t.state.scrollTop);
    EXPECT_EQ(23, t.state.scrollBottom);
    t.Feed("\x1b[99r");
    EXPECT_EQ(0, t.state.scrollTop);
    EXPECT_EQ(23, t.state.scrollBottom);
}

TEST(ScrollingRegion, SettingTheRegionHomesTheCursor) {
    Terminal t;
    t.Feed("\x1b[12;40H\x1b[5;10r");
    EXPECT_EQ(0, t.emu.CursorRow());
    EXPECT_EQ(0, t.emu.CursorCol());
    t.Feed("\x1b[?6h\x1b[12;40H\x1b[5;10r");
    EXPECT_EQ(4, t.emu.CursorRow());
}

TEST(ScrollingRegion, CursorUpAndDownStopAtTheMarginsFromInside) {
    Terminal t;
    t.Feed("\x1b[5;10r\x1b[7;1H\x1b[100A");
    EXPECT_EQ(4, t.emu.CursorRow());
    t.Feed("\x1b[100B");
    EXPECT_EQ(9, t.emu.CursorRow());
    t.Feed("\x1b[3;1H\x1b[100A");
    EXPECT_EQ(0, t.emu.CursorRow());
    t.Feed("\x1b[20;1H\x1b[100B");
    EXPECT_EQ(23, t.emu.CursorRow());
}

TEST(InsertDeleteLines, InsertPushesLinesDownInsideTheRegion) {
    Terminal t;
    NumberRows(t);
    t.Feed("\x1b[5;10r\x1b[6;1H\x1b[2L");
    EXPECT_EQ("L4", t.Row(4));
    EXPECT_EQ("", t.Row(5));
    EXPECT_EQ("", t.Row(6));
    EXPECT_EQ("L5", t.Row(7));
    EXPECT_EQ("L7", t.Row(9));
    EXPECT_EQ("L10", t.Row(10));
}

TEST(InsertDeleteLines, DeletePullsLinesUpAndCountIsHeldToTheRegion) {
    Terminal t;
    NumberRows(t);
    t.Feed("\x1b[5;10r\x1b[6;1H\x1b[M");
    EXPECT_EQ("L6", t.Row(5));
    EXPECT_EQ("L9", t.Row(8));
    EXPECT_EQ("", t.Row(9));
    t.Feed("\x1b[999M");
    EXPECT_EQ("", t.Row(5));
    EXPECT_EQ("L4", t.Row(4));
    EXPECT_EQ("L10", t.Row(10));
}

TEST(InsertDeleteLines, BelowTheRegionNothingHappens) {
    Terminal t;
    NumberRows(t);
    t.Feed("\x1b[5;10r\x1b[15;1H\x1b[3L\x1b[3M");
    EXPECT_EQ("L14", t.Row(14));
    EXPECT_EQ("L15", t.Row(15));
}

TEST(InsertDeleteLines, NewBlankRowsAreSingleWidth) {
    Terminal t;
    t.Feed("\x1b[6;1H\x1b#6\x1b[L");
    EXPECT_EQ(1, t.state.lineWidth[5]);
}

TEST(OriginMode, PositionsCountFromTheTopMarginAndStayInTheRegion) {
    Terminal t;
    t.Feed("\x1b[5;10r\x1b[?6h\x1b[H");
    EXPECT_EQ(4, t.emu.CursorRow());
    t.Feed("\x1b[3;7H");
    EXPECT_EQ(6, t.emu.CursorRow());
    EXPECT_EQ(6, t.emu.CursorCol());
    t.Feed("\x1b[50;1H");
    EXPECT_EQ(9, t.emu.CursorRow());
    t.Feed("\x1b[?6l");
    EXPECT_EQ(9, t.emu.CursorRow()); // changing the mode does not move the cursor
    t.Feed("\x1b[H");
    EXPECT_EQ(0, t.emu.CursorRow());
}

} // namespace
