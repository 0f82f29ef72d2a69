// Repaints gathered while received data is processed reach the window as
// bands of rows, ahead of the flush's scroll, and only until the flush.
#include "screen/RepaintBatch.h"
#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

namespace {

class RepaintBatchTest : public ScreenFixture {
  protected:
    RepaintBatchTest() { screen.SetView(&view); }
};

TEST_F(RepaintBatchTest, WritesOfABatchBecomeOneRectanglePerBandOfRows) {
    screen.BatchRepaints();
    for (int row = 0; row < 3; ++row) {
        WriteText(screen, row, 5, "abc");
        WriteText(screen, row, 2, "x");
    }
    WriteText(screen, 3, 0, "wide line");
    screen.FillCells(' ', 0, 5, 70, 4);
    WriteText(screen, 5, 76, "z"); // a row already marked grows to the right
    EXPECT_TRUE(view.events.empty());
    screen.FlushChanges();
    EXPECT_EQ(view.events,
              (std::vector<ViewEvent>{Inval(0, 3, 2, 8), Inval(3, 4, 0, 9), Inval(5, 6, 70, 77)}));
}

TEST_F(RepaintBatchTest, GatheredRepaintsGoAheadOfTheScrollAndTheBatchEndsAtTheFlush) {
    screen.BatchRepaints();
    WriteText(screen, 23, 0, "last");
    screen.ScrollRegion(0, 23, 1, 0);
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(23, 24, 0, 4), Scroll(0, 23, 1, 80),
                                                   Inval(22, 24, 0, 80), Update()}));
    view.events.clear();
    WriteText(screen, 0, 0, "now");
    screen.FillCells(' ', 0, 1, 0, 1);
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(0, 1, 0, 3), Inval(1, 2, 0, 1)}));
    // The next batch hands on only its own rows.
    view.events.clear();
    screen.BatchRepaints();
    WriteText(screen, 2, 0, "b");
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(2, 3, 0, 1)}));
}

// A band reaching past the grid is held to its rows; empty bands are none.
TEST_F(RepaintBatchTest, BandsAreHeldToTheGrid) {
    RepaintBatch batch;
    batch.Add(-5, 100, 3, 9);
    batch.Add(2, 2, 0, 5);
    batch.Add(4, 5, 20, 20);
    batch.HandTo(view);
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(0, MaxLines, 3, 9)}));
}

} // namespace
