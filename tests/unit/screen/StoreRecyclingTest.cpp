#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

namespace {

// With one spare block kept, the chain holds at most 63 full blocks.
constexpr int FullChainLines = (StorePoolSize - 1) * LongLinesPerBlock;

TEST(StoreRecyclingTest, SixtyThreeBlocksFillTheChainAndTheNextDropsTheOldest) {
    BlockPool pool;
    ScrollbackStore store(pool);
    for (int i = 0; i < FullChainLines; i += 1)
        store.AppendLine(Counted(LongLine(i)).data());
    EXPECT_EQ(store.LineCount(), FullChainLines);
    EXPECT_EQ(pool.blocksInUse, 63);
    EXPECT_EQ(pool.freeCount, 1);
    store.AppendLine(Counted("next").data());
    EXPECT_EQ(store.LineCount(), FullChainLines + 1 - LongLinesPerBlock);
    EXPECT_EQ(pool.blocksInUse, 63);
    EXPECT_EQ(pool.freeCount, 1);
    std::vector<std::string> lines = StoreLines(store);
    EXPECT_EQ(lines.front(), LongLine(LongLinesPerBlock));
    EXPECT_EQ(lines.back(), "next");
}

TEST(StoreRecyclingTest, LongRunsStayWithinThePoolAndConsistent) {
    BlockPool pool;
    ScrollbackStore store(pool);
    for (int i = 0; i < 3 * FullChainLines; i += 1)
        store.AppendLine(Counted(i % 5 ? LongLine(i) : "").data());
    EXPECT_LE(pool.blocksInUse + pool.freeCount, StorePoolSize);
    EXPECT_EQ(int(StoreLines(store).size()), store.LineCount());
}

class SelectionDropTest : public ScreenFixture {
  protected:
    SelectionDropTest() {
        for (int row = 0; row < 24; row += 1)
            WriteText(screen, row, 0, LongLine(row));
        // 320 pushes of 24 long lines leave 6 lines of room in the chain.
        for (int i = 0; i < 320; i += 1)
            screen.PushLinesToHistory(24);
    }
    void Select(int startLine, int startCol, int endLine, int endCol) {
        screen.selStartLine = startLine;
        screen.selStartCol = startCol;
        screen.selEndLine = endLine;
        screen.selEndCol = endCol;
    }
};

TEST_F(SelectionDropTest, NothingMovesWhileLinesFit) {
    Select(10, 3, 50, 7);
    screen.PushLinesToHistory(6);
    EXPECT_EQ(screen.store.LineCount(), FullChainLines);
    EXPECT_EQ(screen.viewTop, FullChainLines);
    EXPECT_EQ(screen.selStartLine, 10);
    EXPECT_EQ(screen.selEndLine, 50);
}

TEST_F(SelectionDropTest, SelectionInsideTheDroppedLinesIsCleared) {
    Select(10, 3, 50, 7);
    screen.PushLinesToHistory(24);
    EXPECT_EQ(screen.store.LineCount(), 7680 + 24 - LongLinesPerBlock);
    EXPECT_EQ(screen.viewTop, screen.store.LineCount());
    EXPECT_EQ(screen.selStartLine, 0);
    EXPECT_EQ(screen.selStartCol, 0);
    EXPECT_EQ(screen.selEndLine, 0);
    EXPECT_EQ(screen.selEndCol, 0);
}

TEST_F(SelectionDropTest, SelectionAcrossTheCutStartsAtLineZero) {
    Select(100, 5, 200, 9);
    screen.ScrollUpSaving(0, 23);
    for (int i = 0; i < 5; i += 1)
        screen.ScrollUpSaving(0, 23);
    EXPECT_EQ(screen.selEndLine, 200);
    screen.ScrollUpSaving(0, 23);
    EXPECT_EQ(screen.selStartLine, 0);
    EXPECT_EQ(screen.selStartCol, 0);
    EXPECT_EQ(screen.selEndLine, 200 - LongLinesPerBlock);
    EXPECT_EQ(screen.selEndCol, 9);
}

TEST_F(SelectionDropTest, SelectionAfterTheCutMovesUpWhole) {
    Select(300, 5, 400, 9);
    screen.PushLinesToHistory(24);
    EXPECT_EQ(screen.selStartLine, 300 - LongLinesPerBlock);
    EXPECT_EQ(screen.selStartCol, 5);
    EXPECT_EQ(screen.selEndLine, 400 - LongLinesPerBlock);
}

} // namespace
