#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

namespace {

using HistoryCaptureTest = ScreenFixture;

TEST_F(HistoryCaptureTest, ScrollingFromRowZeroSavesAndLogsTheTopLine) {
    WriteText(screen, 0, 0, "top  ");
    WriteText(screen, 1, 0, "second");
    screen.ScrollUpSaving(0, 23);
    EXPECT_EQ(StoreLines(screen.store), (std::vector<std::string>{"top"}));
    EXPECT_EQ(view.logged, (std::vector<std::string>{"top"}));
    EXPECT_EQ(screen.viewTop, 1);
    EXPECT_EQ(RowText(screen, 0), "second");
}

TEST_F(HistoryCaptureTest, ScrollingARegionBelowRowZeroSavesNothing) {
    WriteText(screen, 2, 0, "inside");
    screen.ScrollUpSaving(2, 23);
    EXPECT_EQ(screen.store.LineCount(), 0);
    EXPECT_TRUE(view.logged.empty());
    EXPECT_EQ(screen.viewTop, 0);
    EXPECT_EQ(RowText(screen, 2), "");
}

TEST_F(HistoryCaptureTest, ErasingABlankScreenSavesNothing) {
    screen.PutChar(' ', AttrReverse, 10, 4); // attribute only: still blank
    screen.SaveScreenToHistory();
    EXPECT_EQ(screen.store.LineCount(), 0);
    EXPECT_TRUE(view.logged.empty());
}

TEST_F(HistoryCaptureTest, ErasingSavesRowsUpToTheLastTextIncludingBlankOnes) {
    WriteText(screen, 0, 0, "zero");
    WriteText(screen, 5, 3, "five");
    screen.PutChar(' ', AttrReverse, 9, 0);
    screen.SaveScreenToHistory();
    std::vector<std::string> expected{"zero", "", "", "", "", "   five"};
    EXPECT_EQ(StoreLines(screen.store), expected);
    EXPECT_EQ(view.logged, expected);
    EXPECT_EQ(screen.viewTop, 6);
}

TEST_F(HistoryCaptureTest, ClosingLogsTheRowsWithTextWithoutStoringThem) {
    screen.LogScreen();
    EXPECT_TRUE(view.logged.empty());
    WriteText(screen, 1, 0, "one");
    WriteText(screen, 2, 0, "two");
    screen.LogScreen();
    EXPECT_EQ(view.logged, (std::vector<std::string>{"", "one", "two"}));
    EXPECT_EQ(screen.store.LineCount(), 0);
}

TEST_F(HistoryCaptureTest, LongLineIsSavedAndLoggedWhole) {
    std::string line = std::string(LineWidth - 1, 'w') + "!";
    WriteText(screen, 0, 0, line);
    screen.ScrollUpSaving(0, 23);
    EXPECT_EQ(StoreLines(screen.store), (std::vector<std::string>{line}));
    EXPECT_EQ(view.logged, (std::vector<std::string>{line}));
}

TEST_F(HistoryCaptureTest, ShrinkingPushesTopRowsAndLogsThem) {
    for (int row = 0; row < 4; row += 1)
        WriteText(screen, row, 0, "p" + std::to_string(row));
    screen.PushLinesToHistory(3);
    EXPECT_EQ(StoreLines(screen.store), (std::vector<std::string>{"p0", "p1", "p2"}));
    EXPECT_EQ(view.logged.size(), 3u);
    EXPECT_EQ(screen.viewTop, 3);
    screen.PushLinesToHistory(1000); // never more than the rows in use
    EXPECT_EQ(screen.store.LineCount(), 3 + 24);
}

TEST_F(HistoryCaptureTest, CopyingTheScreenIntoHistoryIsNotLogged) {
    WriteText(screen, 0, 0, "shown");
    screen.PushScreenToHistory();
    screen.PopScreenFromHistory();
    EXPECT_TRUE(view.logged.empty());
    EXPECT_EQ(screen.store.LineCount(), 0);
}

} // namespace
