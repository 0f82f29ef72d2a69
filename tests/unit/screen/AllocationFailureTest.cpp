#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Allocations left before the allocator starts failing.
int allowance = 0;

void* LimitedAllocate(std::size_t size) {
    if (allowance <= 0) return nullptr;
    allowance -= 1;
    return std::malloc(size);
}

class AllocationFailureTest : public ::testing::Test {
  protected:
    void FillTopRows(ScreenBuffer& screen, int first) {
        for (int row = 0; row < 24; row += 1)
            WriteText(screen, row, 0, LongLine(first + row));
    }
    BlockPool pool{LimitedAllocate, std::free};
    RecordingView view;
};

TEST_F(AllocationFailureTest, OnlyBlockIsReusedWhenNoSecondCanBeHad) {
    allowance = 1;
    ScreenBuffer screen(80, 24, pool);
    screen.SetView(&view);
    for (int i = 0; i < LongLinesPerBlock; i += 1) {
        WriteText(screen, 0, 0, LongLine(i));
        screen.ScrollUpSaving(0, 23);
    }
    EXPECT_EQ(view.shortages, 1); // the spare could not be made at start-up
    screen.selStartLine = 3;
    screen.selEndLine = 200;
    screen.store.SkipBack();
    screen.store.SaveCursor(); // on a line about to be lost
    WriteText(screen, 0, 0, "survivor");
    screen.ScrollUpSaving(0, 23);
    EXPECT_EQ(StoreLines(screen.store), (std::vector<std::string>{"survivor"}));
    screen.store.RestoreCursor();
    EXPECT_EQ(ReadLine(screen.store), "survivor");
    EXPECT_EQ(screen.viewTop, 1);
    EXPECT_EQ(screen.selStartLine, 0);
    EXPECT_EQ(screen.selEndLine, 200 - LongLinesPerBlock);
    EXPECT_EQ(view.shortages, 2);
    EXPECT_EQ(screen.store.BlockCount(), 1);
}

TEST_F(AllocationFailureTest, OldestBlockIsRecycledWhenMemoryRunsOut) {
    allowance = 2;
    ScreenBuffer screen(80, 24, pool);
    screen.SetView(&view);
    for (int i = 0; i < 2 * LongLinesPerBlock + 1; i += 1)
        screen.store.AppendLine(Counted(LongLine(i)).data());
    EXPECT_EQ(screen.store.BlockCount(), 2);
    EXPECT_EQ(screen.store.LineCount(), LongLinesPerBlock + 1);
    std::vector<std::string> lines = StoreLines(screen.store);
    EXPECT_EQ(lines.front(), LongLine(LongLinesPerBlock));
    EXPECT_EQ(lines.back(), LongLine(2 * LongLinesPerBlock));
    EXPECT_EQ(screen.store.shortage, 1);
}

TEST_F(AllocationFailureTest, StoreWithoutAnyBlockDropsLinesSafely) {
    allowance = 0;
    ScreenBuffer screen(80, 24, pool);
    screen.SetView(&view);
    WriteText(screen, 0, 0, "lost");
    WriteText(screen, 1, 0, "kept");
    screen.ScrollUpSaving(0, 23);
    EXPECT_EQ(RowText(screen, 0), "kept");
    EXPECT_EQ(screen.store.LineCount(), 0);
    EXPECT_EQ(screen.viewTop, 0);
    EXPECT_EQ(view.logged, (std::vector<std::string>{"lost"}));
    EXPECT_EQ(view.shortages, 1);
    screen.PushScreenToHistory();
    screen.FillViewFromHistory();
    screen.MoveView(-5);
    screen.PopScreenFromHistory();
    screen.ClearLinesOffTop();
    EXPECT_EQ(RowText(screen, 0), "");
    allowance = 4;
    screen.ScrollUpSaving(0, 23);
    EXPECT_EQ(screen.store.LineCount(), 1);
}

TEST_F(AllocationFailureTest, EnteringScrollBackUsesTheSpareWithoutAllocating) {
    allowance = 2;
    ScreenBuffer screen(80, 24, pool);
    screen.SetView(&view);
    for (int i = 0; i < LongLinesPerBlock - 10; i += 1)
        screen.store.AppendLine(Counted(LongLine(i)).data());
    FillTopRows(screen, 1000);
    screen.PushScreenToHistory();
    EXPECT_EQ(view.shortages, 0);
    EXPECT_EQ(screen.store.shortage, 0);
    EXPECT_EQ(screen.store.LineCount(), LongLinesPerBlock - 10 + 24);
    EXPECT_EQ(pool.freeCount, 0);
    EXPECT_EQ(pool.reserve, 1);
    screen.PopScreenFromHistory();
    EXPECT_EQ(screen.store.LineCount(), LongLinesPerBlock - 10);
    EXPECT_EQ(pool.freeCount, 1);
}

} // namespace
