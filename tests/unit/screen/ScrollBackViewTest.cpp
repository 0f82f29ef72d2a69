#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

namespace {

// 100 history lines "h0".."h99" and a screen of rows "s0".."s23", with a
// window that shows 10 rows.
class ScrollBackViewTest : public ScreenFixture {
  protected:
    ScrollBackViewTest() {
        for (int i = 0; i < 100; i += 1)
            screen.store.AppendLine(Counted("h" + std::to_string(i)).data());
        screen.viewTop = 100;
        for (int row = 0; row < 24; row += 1)
            WriteText(screen, row, 0, "s" + std::to_string(row), AttrBold);
        screen.viewLines = 10;
    }
    void EnterScrollBack() {
        screen.PushScreenToHistory();
        screen.SwapArrays();
        screen.FillViewFromHistory();
        screen.lines = screen.viewLines;
    }
    void LeaveScrollBack() {
        screen.lines = 24;
        screen.PopScreenFromHistory();
        screen.SwapArrays();
    }
};

TEST_F(ScrollBackViewTest, PushingTheScreenPutsTheViewOnItsLastRows) {
    screen.PushScreenToHistory();
    EXPECT_EQ(screen.store.LineCount(), 124);
    EXPECT_EQ(screen.viewTop, 114);
    EXPECT_EQ(ReadLine(screen.store), "s14");
}

TEST_F(ScrollBackViewTest, ViewShowsStoredTextAndLeavesTheCursor) {
    EnterScrollBack();
    EXPECT_EQ(RowText(screen, 0), "s14");
    EXPECT_EQ(RowText(screen, 9), "s23");
    EXPECT_EQ(screen.CellAt(0, 0), MakeCell('s', 0));
    EXPECT_EQ(ReadLine(screen.store), "s14");
}

TEST_F(ScrollBackViewTest, LeavingRestoresTheLiveScreenAndHistory) {
    EnterScrollBack();
    screen.MoveView(-30);
    screen.FillViewFromHistory();
    LeaveScrollBack();
    EXPECT_EQ(screen.store.LineCount(), 100);
    EXPECT_EQ(screen.viewTop, 100);
    EXPECT_EQ(RowText(screen, 23), "s23");
    EXPECT_EQ(screen.CellAt(5, 0), MakeCell('s', AttrBold));
    EXPECT_EQ(StoreLines(screen.store).back(), "h99");
}

TEST_F(ScrollBackViewTest, MovingStopsAtLineZeroAndAtTheNewestLine) {
    EnterScrollBack();
    screen.MoveView(-1000);
    EXPECT_EQ(screen.viewTop, 0);
    screen.FillViewFromHistory();
    EXPECT_EQ(RowText(screen, 0), "h0");
    screen.MoveView(1000);
    EXPECT_EQ(screen.viewTop, 114);
    screen.FillViewFromHistory();
    EXPECT_EQ(RowText(screen, 0), "s14");
    screen.MoveView(-1);
    screen.FillViewFromHistory();
    EXPECT_EQ(RowText(screen, 0), "s13");
    EXPECT_EQ(RowText(screen, 9), "s22");
}

TEST_F(ScrollBackViewTest, RowsBeyondTheStoredLinesAreBlank) {
    EnterScrollBack();
    for (int i = 0; i < 5; i += 1)
        screen.store.SkipForward();
    screen.FillViewFromHistory();
    EXPECT_EQ(RowText(screen, 4), "s23");
    EXPECT_EQ(RowText(screen, 5), "");
    EXPECT_EQ(RowText(screen, 9), "");
}

TEST_F(ScrollBackViewTest, ViewKeepsTheSavedCursorOfAWalk) {
    EnterScrollBack();
    screen.MoveView(-50);
    screen.store.SaveCursor();
    screen.store.SkipForward();
    screen.FillViewFromHistory();
    screen.store.RestoreCursor();
    EXPECT_EQ(ReadLine(screen.store), "h64");
}

TEST_F(ScrollBackViewTest, ClearingInLiveModeDropsAllHistory) {
    screen.selStartLine = 101;
    screen.selEndLine = 103;
    screen.ClearLinesOffTop();
    EXPECT_EQ(screen.store.LineCount(), 0);
    EXPECT_EQ(screen.viewTop, 0);
    EXPECT_EQ(screen.selStartLine, 1);
    EXPECT_EQ(screen.selEndLine, 3);
    EXPECT_EQ(RowText(screen, 0), "s0");
}

TEST_F(ScrollBackViewTest, ClearingInScrollBackKeepsTheLinesFromTheFirstShown) {
    EnterScrollBack();
    screen.MoveView(-64);
    EXPECT_EQ(screen.viewTop, 50);
    screen.ClearLinesOffTop();
    EXPECT_EQ(screen.viewTop, 0);
    EXPECT_EQ(screen.store.LineCount(), 74);
    screen.FillViewFromHistory();
    EXPECT_EQ(RowText(screen, 0), "h50");
    LeaveScrollBack();
    EXPECT_EQ(screen.store.LineCount(), 50);
    EXPECT_EQ(screen.viewTop, 50);
}

TEST_F(ScrollBackViewTest, ClearingAnEmptyStoreChangesNothing) {
    BlockPool ownPool;
    ScreenBuffer fresh(80, 24, ownPool);
    fresh.ClearLinesOffTop();
    EXPECT_EQ(fresh.viewTop, 0);
    EXPECT_EQ(fresh.store.LineCount(), 0);
}

} // namespace
