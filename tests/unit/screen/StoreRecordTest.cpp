#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

namespace {

class StoreRecordTest : public ::testing::Test {
  protected:
    void Append(const std::string& text) { store.AppendLine(Counted(text).data()); }
    void AppendLongLines(int from, int to) {
        for (int i = from; i < to; i += 1)
            Append(LongLine(i));
    }
    BlockPool pool;
    ScrollbackStore store{pool};
};

TEST_F(StoreRecordTest, LinesOfEveryLengthReadBackBothWays) {
    std::vector<std::string> lines{"", "a", std::string(80, 'b'), std::string(128, 'c'),
                                   LongLine(7)};
    for (const std::string& line : lines)
        Append(line);
    EXPECT_EQ(store.LineCount(), 5);
    EXPECT_EQ(StoreLines(store), lines);
    store.SeekEnd();
    for (int i = 4; i >= 0; i -= 1) {
        ASSERT_TRUE(store.SkipBack());
        store.SaveCursor();
        EXPECT_EQ(ReadLine(store), lines[i]);
        store.RestoreCursor();
    }
    EXPECT_FALSE(store.SkipBack());
}

// A record of n characters takes n + 2 bytes. One that exactly fills the rest
// of a block stays in it; one byte more starts the next block.
TEST(StoreBlockFit, ARecordThatExactlyFillsTheBlockStaysAndOneMoreMovesOn) {
    const int lastLength = 100;
    const struct {
        int extra;
        int blocks;
    } cases[] = {{-1, 1}, {0, 1}, {1, 2}};
    for (const auto& c : cases) {
        BlockPool pool;
        ScrollbackStore store{pool};
        std::vector<std::string> lines;
        int left = StoreBlockSize;
        while (left > LineWidth + 2 + lastLength + 2) {
            lines.push_back(LongLine(int(lines.size())));
            left -= LineWidth + 2;
        }
        int pad = left - (lastLength + 2) - 2;
        ASSERT_TRUE(pad >= 0 && pad <= LineWidth);
        lines.push_back(std::string(pad, 'p'));
        lines.push_back(std::string(lastLength + c.extra, 'z'));
        for (const std::string& line : lines)
            store.AppendLine(Counted(line).data());
        EXPECT_EQ(store.BlockCount(), c.blocks) << c.extra;
        EXPECT_EQ(StoreLines(store), lines) << c.extra;
    }
}

TEST_F(StoreRecordTest, ReadingPastTheEndLeavesTheOutputUntouched) {
    Append("only");
    store.SeekEnd();
    unsigned char out[CountedLineSize];
    out[0] = 99;
    EXPECT_FALSE(store.ReadNextLine(out));
    EXPECT_EQ(out[0], 99);
    EXPECT_FALSE(store.SkipForward());
}

TEST_F(StoreRecordTest, OverlongCountIsCutToALineWidth) {
    std::vector<unsigned char> text = Counted(std::string(200, 'k'));
    store.AppendLine(text.data());
    EXPECT_EQ(StoreLines(store), (std::vector<std::string>{std::string(LineWidth, 'k')}));
}

TEST_F(StoreRecordTest, RecordsNeverSpanBlocksAndWalksCrossBoundaries) {
    AppendLongLines(0, LongLinesPerBlock);
    EXPECT_EQ(store.BlockCount(), 1);
    AppendLongLines(LongLinesPerBlock, LongLinesPerBlock + 2);
    EXPECT_EQ(store.BlockCount(), 2);
    std::vector<std::string> lines = StoreLines(store);
    ASSERT_EQ(lines.size(), size_t(LongLinesPerBlock + 2));
    for (int i = 0; i < LongLinesPerBlock + 2; i += 1)
        EXPECT_EQ(lines[i], LongLine(i));
    store.SeekEnd();
    for (int i = 0; i < 3; i += 1)
        store.SkipBack();
    EXPECT_EQ(ReadLine(store), LongLine(LongLinesPerBlock - 1));
    EXPECT_EQ(ReadLine(store), LongLine(LongLinesPerBlock));
}

TEST_F(StoreRecordTest, RemovingTheNewestLineGivesBackAnEmptiedBlock) {
    AppendLongLines(0, LongLinesPerBlock + 1);
    int freeBefore = pool.freeCount;
    store.RemoveNewestLine();
    EXPECT_EQ(store.BlockCount(), 1);
    EXPECT_EQ(pool.freeCount, freeBefore + 1);
    EXPECT_EQ(store.LineCount(), LongLinesPerBlock);
    store.RemoveNewestLine();
    Append("after");
    std::vector<std::string> lines = StoreLines(store);
    EXPECT_EQ(lines.size(), size_t(LongLinesPerBlock));
    EXPECT_EQ(lines[LongLinesPerBlock - 2], LongLine(LongLinesPerBlock - 2));
    EXPECT_EQ(lines.back(), "after");
}

TEST_F(StoreRecordTest, RemovingFromAnEmptyStoreDoesNothing) {
    store.RemoveNewestLine();
    store.RemoveOldestLines(5);
    EXPECT_EQ(store.LineCount(), 0);
    Append("x");
    EXPECT_EQ(StoreLines(store), (std::vector<std::string>{"x"}));
}

TEST_F(StoreRecordTest, RemovingOldestLinesReleasesWholeBlocksAndKeepsTheRest) {
    AppendLongLines(0, 2 * LongLinesPerBlock + 5);
    int inUse = pool.blocksInUse;
    store.RemoveOldestLines(LongLinesPerBlock + 3);
    EXPECT_EQ(pool.blocksInUse, inUse - 1);
    EXPECT_EQ(store.LineCount(), LongLinesPerBlock + 2);
    EXPECT_EQ(ReadLine(store), LongLine(LongLinesPerBlock + 3)); // cursor at the oldest
    std::vector<std::string> lines = StoreLines(store);
    EXPECT_EQ(lines.size(), size_t(LongLinesPerBlock + 2));
    EXPECT_EQ(lines.back(), LongLine(2 * LongLinesPerBlock + 4));
}

TEST_F(StoreRecordTest, SavedCursorInRemovedLinesMovesToTheOldestKept) {
    AppendLongLines(0, 2 * LongLinesPerBlock);
    store.SeekEnd();
    store.SkipBack();
    store.SaveCursor();
    store.RemoveOldestLines(LongLinesPerBlock + 4);
    store.SeekEnd();
    store.RestoreCursor();
    EXPECT_EQ(ReadLine(store), LongLine(LongLinesPerBlock + 4));
}

TEST_F(StoreRecordTest, CursorPlacedInsideARecordNeverWalksOutOfTheBlock) {
    Append("abc");
    StorePosition inside = store.Tell();
    inside.pos = 4; // on the last character, whose code is far above the record
    store.Seek(inside);
    EXPECT_FALSE(store.SkipBack());
    inside.pos = StoreBlockSize + 1; // beyond the bytes used: refused
    store.Seek(inside);
    EXPECT_EQ(store.Tell().pos, 4);
}

TEST_F(StoreRecordTest, RemovingMoreThanAllLeavesOneEmptyBlock) {
    AppendLongLines(0, 3 * LongLinesPerBlock);
    store.RemoveOldestLines(100000);
    EXPECT_EQ(store.LineCount(), 0);
    EXPECT_EQ(store.BlockCount(), 1);
    EXPECT_EQ(ReadLine(store), "<end>");
    Append("fresh");
    EXPECT_EQ(StoreLines(store), (std::vector<std::string>{"fresh"}));
}

TEST_F(StoreRecordTest, FreeAllReleasesEveryBlockAndRestoresTheReserve) {
    AppendLongLines(0, 3 * LongLinesPerBlock);
    store.LowerReserve();
    store.FreeAll();
    EXPECT_EQ(pool.blocksInUse, 0);
    EXPECT_EQ(pool.reserve, 1);
    EXPECT_EQ(store.LineCount(), 0);
    EXPECT_EQ(ReadLine(store), "<end>");
}

TEST(SharedBlockPoolTest, ResetReturnsTheProcessWideStateToItsStart) {
    BlockPool& shared = BlockPool::Shared();
    {
        ScrollbackStore store;
        store.LowerReserve();
        EXPECT_GE(shared.blocksInUse, 1);
    }
    shared.Reset();
    EXPECT_EQ(shared.blocksInUse, 0);
    EXPECT_EQ(shared.freeCount, 0);
    EXPECT_EQ(shared.reserve, 1);
    ScrollbackStore again;
    EXPECT_EQ(shared.blocksInUse, 1);
    EXPECT_EQ(shared.freeCount, 1);
}

} // namespace
