#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

namespace {

using WriteRunTest = ScreenFixture;

TEST_F(WriteRunTest, EightyCharactersInOneRowBecomeOneInvalidation) {
    WriteText(screen, 3, 0, std::string(80, 'a'));
    EXPECT_TRUE(view.events.empty());
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(3, 4, 0, 80)}));
    EXPECT_EQ(RowText(screen, 3), std::string(80, 'a'));
}

TEST_F(WriteRunTest, WriteElsewhereClosesThePendingRunFirst) {
    WriteText(screen, 2, 5, "abc");
    screen.PutChar('z', 0, 4, 0);
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(2, 3, 5, 8)}));
    WriteText(screen, 4, 2, "q"); // a gap on the same row also starts a new run
    screen.PutChar('r', 0, 4, 2); // and so does writing the same cell again
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(2, 3, 5, 8), Inval(4, 5, 0, 1),
                                                   Inval(4, 5, 2, 3), Inval(4, 5, 2, 3)}));
}

TEST_F(WriteRunTest, CellsKeepCharacterAndAttribute) {
    screen.PutChar('B', AttrBold | AttrReverse, 0, 131);
    EXPECT_EQ(screen.CellAt(0, 131), 0x0942);
    EXPECT_EQ(screen.RowCells(0)[131], 0x0942);
    EXPECT_EQ(screen.CellAt(1, 0), BlankCell);
}

TEST_F(WriteRunTest, FillWithinARowInvalidatesItsColumns) {
    WriteText(screen, 1, 0, "ab");
    screen.FillCells(' ', 0, 5, 10, 20);
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(1, 2, 0, 2), Inval(5, 6, 10, 30)}));
}

TEST_F(WriteRunTest, FillRunsOnIntoFollowingRows) {
    for (int row = 1; row < 7; row += 1)
        screen.FillCells('x', 0, row, 0, LineWidth);
    view.events.clear();
    screen.FillCells(' ', 0, 2, 70, 62 + 2 * LineWidth);
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(2, 6, 0, 80)}));
    EXPECT_EQ(RowText(screen, 2), std::string(70, 'x'));
    EXPECT_EQ(RowText(screen, 3), "");
    EXPECT_EQ(RowText(screen, 4), "");
    EXPECT_EQ(RowText(screen, 5), std::string(LineWidth, 'x'));
}

TEST_F(WriteRunTest, AlignmentFillCoversTheScreenOnly) {
    screen.FillCells('E', 0, 0, 0, LineWidth * 24);
    EXPECT_EQ(RowText(screen, 23), std::string(LineWidth, 'E'));
    EXPECT_EQ(RowText(screen, 24), "");
}

TEST_F(WriteRunTest, ArgumentsOutsideTheGridChangeNothing) {
    screen.PutChar('a', 0, -1, 0);
    screen.PutChar('a', 0, MaxLines, 0);
    screen.PutChar('a', 0, 0, LineWidth);
    screen.PutChar('a', 0, 0, -1);
    screen.FillCells('a', 0, 0, -5, 10);
    screen.FillCells('a', 0, MaxLines, 0, 10);
    screen.FillCells('a', 0, 0, 0, -10);
    screen.InsertChars(-1, 0, 1);
    screen.DeleteChars(0, LineWidth, 1);
    screen.MakeLineDoubleWidth(MaxLines);
    screen.MakeLineSingleWidth(-1);
    screen.ScrollRegion(-1, 10, 1, 0);
    screen.ScrollRegion(0, MaxLines, 1, 0);
    screen.ScrollRegion(9, 3, 1, 0);
    screen.ScrollUpSaving(0, MaxLines + 5);
    screen.SetLineText(24, "beyond the lines in use");
    screen.SetLineText(-1, "x");
    screen.FlushChanges();
    for (int row = 0; row < MaxLines; row += 1)
        EXPECT_EQ(RowText(screen, row), "") << row;
    EXPECT_TRUE(view.events.empty());
    EXPECT_EQ(screen.store.LineCount(), 0);
    EXPECT_EQ(screen.RowCells(-3)[0], BlankCell);
    EXPECT_EQ(screen.CellAt(MaxLines, 0), BlankCell);
}

TEST_F(WriteRunTest, FillIsCutAtTheEndOfTheGrid) {
    screen.FillCells('a', 0, MaxLines - 1, 100, 100000);
    EXPECT_EQ(RowText(screen, MaxLines - 1), std::string(100, ' ') + std::string(32, 'a'));
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(59, 60, 100, 132)}));
}

} // namespace
