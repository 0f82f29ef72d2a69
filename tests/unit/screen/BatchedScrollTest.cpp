#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

namespace {

class BatchedScrollTest : public ScreenFixture {
  protected:
    BatchedScrollTest() {
        screen.SetView(&view);
        for (int row = 0; row < 24; row += 1)
            WriteText(screen, row, 0, "r" + std::to_string(row));
        screen.FlushChanges();
        view.events.clear();
    }
};

TEST_F(BatchedScrollTest, TwoUpwardScrollsOfOneRegionBecomeOneWindowScroll) {
    screen.ScrollRegion(0, 23, 1, 0);
    screen.ScrollRegion(0, 23, 1, 0);
    EXPECT_TRUE(view.events.empty());
    screen.FlushChanges();
    EXPECT_EQ(view.events,
              (std::vector<ViewEvent>{Scroll(0, 24, 2, 80), Inval(22, 24, 0, 80), Update()}));
    EXPECT_EQ(RowText(screen, 0), "r2");
    EXPECT_EQ(RowText(screen, 21), "r23");
    EXPECT_EQ(RowText(screen, 22), "");
}

TEST_F(BatchedScrollTest, UpwardThenDownwardRepaintsTheRowsInsteadOfMovingPixels) {
    screen.ScrollRegion(0, 23, 1, 0);
    screen.ScrollRegion(0, 23, -1, 0);
    EXPECT_TRUE(view.events.empty());
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(0, 24, 0, 80)}));
    EXPECT_EQ(RowText(screen, 0), "");
    EXPECT_EQ(RowText(screen, 1), "r1");
}

// Once pixels are given up, scrolls that would join again (here the net
// scroll is zero and the third one starts afresh) still only repaint: the
// rows moved before were never painted.
TEST_F(BatchedScrollTest, ScrollsAfterAnUnjoinedOneRepaintUntilTheFlush) {
    screen.ScrollRegion(10, 19, 1, 0);
    screen.ScrollRegion(10, 19, -1, 0);
    screen.ScrollRegion(0, 23, 1, 0);
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(0, 24, 0, 80)}));
    view.events.clear();
    screen.ScrollRegion(0, 23, 1, 0);
    screen.FlushChanges();
    EXPECT_EQ(view.events,
              (std::vector<ViewEvent>{Scroll(0, 24, 1, 80), Inval(23, 24, 0, 80), Update()}));
}

TEST_F(BatchedScrollTest, DownwardScrollsJoinOnlyWithTheSameBottom) {
    screen.ScrollRegion(0, 23, -1, 0);
    screen.ScrollRegion(0, 23, -1, 0);
    EXPECT_TRUE(view.events.empty());
    screen.ScrollRegion(0, 20, -1, 0);
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(0, 24, 0, 80)}));
    EXPECT_EQ(RowText(screen, 3), "r0");
}

TEST_F(BatchedScrollTest, WriteIntoTheTopCleanRowMakesTheNextScrollARepaint) {
    screen.ScrollRegion(0, 23, 1, 0);
    WriteText(screen, 0, 0, "top");
    screen.ScrollRegion(0, 23, 1, 0);
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(0, 1, 0, 3), Inval(0, 24, 0, 80)}));
}

// Jump scrolling: more lines than the region holds move no pixels at all.
TEST_F(BatchedScrollTest, ScrollsBeyondTheRegionHeightBecomeOneRepaint) {
    for (int i = 0; i < 30; ++i)
        screen.ScrollUpSaving(0, 23);
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(0, 24, 0, 80)}));
    EXPECT_EQ(screen.store.LineCount(), 30);
}

TEST_F(BatchedScrollTest, ScrollOfAnotherRegionRepaintsBothRegions) {
    screen.ScrollRegion(5, 10, 1, 0);
    screen.ScrollRegion(12, 20, 1, 0);
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(5, 21, 0, 80)}));
    EXPECT_EQ(RowText(screen, 10), "");
    EXPECT_EQ(RowText(screen, 12), "r13");
}

TEST_F(BatchedScrollTest, RowWrittenBetweenScrollsIsRepaintedNotMoved) {
    screen.ScrollRegion(0, 23, 1, 0);
    WriteText(screen, 10, 0, "new");
    screen.ScrollRegion(0, 23, 1, 0);
    screen.FlushChanges();
    // Rows 0..8 move with the scroll; row 9 (the written row, now one up)
    // and everything below it are repainted.
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(10, 11, 0, 3), Scroll(0, 11, 2, 80),
                                                   Inval(9, 24, 0, 80), Update()}));
    EXPECT_EQ(RowText(screen, 9), "new");
}

TEST_F(BatchedScrollTest, ScrollAfterTheWholeRangeWasOverwrittenRepaintsInstead) {
    screen.ScrollRegion(0, 23, 1, 0);
    screen.FillCells(' ', 0, 0, 0, LineWidth * 24);
    view.events.clear();
    screen.ScrollRegion(0, 23, 1, 0);
    EXPECT_TRUE(view.events.empty());
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(0, 24, 0, 80)}));
}

TEST_F(BatchedScrollTest, DownwardScrollInsideARegion) {
    screen.ScrollRegion(5, 20, -3, AttrReverse);
    EXPECT_EQ(RowText(screen, 4), "r4");
    EXPECT_EQ(RowText(screen, 5), "");
    EXPECT_EQ(screen.CellAt(7, 0), MakeCell(' ', AttrReverse));
    EXPECT_EQ(RowText(screen, 8), "r5");
    EXPECT_EQ(RowText(screen, 20), "r17");
    EXPECT_EQ(RowText(screen, 21), "r21");
    screen.FlushChanges();
    EXPECT_EQ(view.events,
              (std::vector<ViewEvent>{Scroll(5, 21, -3, 80), Inval(5, 8, 0, 80), Update()}));
}

TEST_F(BatchedScrollTest, IncomingRowsCarryTheGivenAttribute) {
    screen.ScrollRegion(2, 5, 2, AttrReverse);
    EXPECT_EQ(RowText(screen, 2), "r4");
    EXPECT_EQ(RowText(screen, 3), "r5");
    EXPECT_EQ(screen.CellAt(4, 79), MakeCell(' ', AttrReverse));
    EXPECT_EQ(screen.CellAt(5, 131), MakeCell(' ', AttrReverse));
    EXPECT_EQ(RowText(screen, 6), "r6");
}

TEST_F(BatchedScrollTest, CountBeyondTheRegionBlanksItAndNoMore) {
    screen.ScrollRegion(0, 3, 10, 0);
    screen.ScrollRegion(20, 23, -10, 0);
    for (int row : {0, 3, 20, 23})
        EXPECT_EQ(RowText(screen, row), "") << row;
    EXPECT_EQ(RowText(screen, 4), "r4");
    EXPECT_EQ(RowText(screen, 19), "r19");
}

} // namespace
