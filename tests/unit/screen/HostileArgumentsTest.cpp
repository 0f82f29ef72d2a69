#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

// Random operations with arguments from anywhere in the int range must keep
// the grid, the store and the pool consistent (and, under the sanitizers,
// inside their memory).
class HostileArgumentsTest : public ::testing::Test {
  protected:
    int Arg() {
        static const int edges[] = {INT_MIN, -133, -61, -1, 0, 1, 59, 60, 131, 132, INT_MAX};
        if (random() % 4 == 0) return edges[random() % (sizeof edges / sizeof edges[0])];
        return static_cast<int>(random() % 150) - 5;
    }
    unsigned char Byte() { return static_cast<unsigned char>(random()); }
    void RandomOperation() {
        switch (random() % 20) {
        case 0: screen.PutChar(Byte(), Byte(), Arg(), Arg()); break;
        case 1: screen.FillCells(Byte(), Byte(), Arg(), Arg(), Arg()); break;
        case 2: screen.ScrollRegion(Arg(), Arg(), Arg(), Byte()); break;
        case 3: screen.ScrollUpSaving(Arg() % 2, Arg()); break;
        case 4: screen.SaveScreenToHistory(); break;
        case 5: screen.InsertChars(Arg(), Arg(), Arg()); break;
        case 6: screen.DeleteChars(Arg(), Arg(), Arg()); break;
        case 7: screen.MakeLineDoubleWidth(Arg()); break;
        case 8: screen.MakeLineSingleWidth(Arg()); break;
        case 9: screen.FlushChanges(); break;
        case 10: screen.PushLinesToHistory(Arg()); break;
        case 11: screen.PushScreenToHistory(); break;
        case 12: screen.PopScreenFromHistory(); break;
        case 13: screen.FillViewFromHistory(); break;
        case 14: screen.MoveView(Arg()); break;
        case 15: screen.SwapArrays(); break;
        case 16: screen.ClearLinesOffTop(); break;
        case 17: screen.SetLineText(Arg(), "text"); break;
        case 18: screen.lines = 3 + static_cast<int>(random() % 58); break;
        case 19: screen.viewLines = static_cast<int>(random() % (screen.lines + 1)); break;
        }
    }
    void ExpectConsistent() {
        std::vector<std::string> lines = StoreLines(screen.store);
        ASSERT_EQ(int(lines.size()), screen.store.LineCount());
        for (const std::string& line : lines)
            ASSERT_LE(line.size(), size_t(LineWidth));
        ASSERT_LE(pool.blocksInUse + pool.freeCount, StorePoolSize);
        ASSERT_GE(screen.store.BlockCount(), 1);
        ASSERT_GE(screen.viewTop, 0);
        ASSERT_GE(screen.selStartLine, 0);
    }
    std::mt19937 random{12345};
    BlockPool pool;
    ScreenBuffer screen{80, 24, pool};
};

TEST_F(HostileArgumentsTest, RandomOperationsKeepEverythingConsistent) {
    for (int round = 0; round < 200; round += 1) {
        for (int i = 0; i < 100; i += 1)
            RandomOperation();
        ExpectConsistent();
        if (HasFatalFailure()) return;
    }
}

TEST_F(HostileArgumentsTest, HeavyHistoryTrafficKeepsThePoolBounded) {
    for (int i = 0; i < 20000; i += 1) {
        screen.FillCells(Byte(), 0, 0, 0, static_cast<int>(random() % (24 * LineWidth)));
        screen.ScrollUpSaving(0, 23);
        if (i % 997 == 0) screen.PopScreenFromHistory();
        if (i % 1999 == 0) screen.PushScreenToHistory();
    }
    ExpectConsistent();
    EXPECT_EQ(pool.blocksInUse + pool.freeCount, StorePoolSize);
}

} // namespace
