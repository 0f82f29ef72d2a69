#include "screen/SoftLayout.h"
#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// 100 history lines "h0".."h99" on a 24-row screen.
class SoftLinesTest : public ScreenFixture {
  protected:
    SoftLinesTest() {
        for (int i = 0; i < 100; i += 1)
            screen.store.AppendLine(Counted("h" + std::to_string(i)).data());
        screen.viewTop = 100;
    }
    void FillRows(int from, int to) {
        for (int row = from; row <= to; row += 1)
            WriteText(screen, row, 0, "s" + std::to_string(row), AttrBold);
    }
};

TEST_F(SoftLinesTest, ShrinkingDropsBlankBottomRowsBeforeAnyText) {
    FillRows(0, 14);
    LineMove move = ResizeScreenLines(screen, 20, 10);
    EXPECT_EQ(move.pushed, 0);
    EXPECT_EQ(move.cursorRow, 10);
    EXPECT_EQ(screen.store.LineCount(), 100);
    EXPECT_EQ(screen.lines, 20);
    EXPECT_EQ(screen.viewLines, 20);
    EXPECT_EQ(screen.configuredLines, 20);
    EXPECT_EQ(RowText(screen, 0), "s0");
    EXPECT_EQ(RowText(screen, 14), "s14");
    EXPECT_EQ(screen.CellAt(14, 0), MakeCell('s', AttrBold));
}

TEST_F(SoftLinesTest, ShrinkingWithTextOnTheLastRowPushesTheTopRows) {
    FillRows(0, 23);
    LineMove move = ResizeScreenLines(screen, 20, 10);
    EXPECT_EQ(move.pushed, 4);
    EXPECT_EQ(move.cursorRow, 6);
    EXPECT_EQ(screen.store.LineCount(), 104);
    EXPECT_EQ(screen.viewTop, 104);
    EXPECT_EQ(StoreLines(screen.store).back(), "s3");
    EXPECT_EQ(RowText(screen, 0), "s4");
    EXPECT_EQ(RowText(screen, 19), "s23");
    EXPECT_EQ(screen.CellAt(19, 0), MakeCell('s', AttrBold)); // attributes move with the rows
    EXPECT_EQ(RowText(screen, 20), "");
    EXPECT_EQ(view.logged.size(), 4u); // pushed lines reach the log
}

TEST_F(SoftLinesTest, BlankRowsAtOrAboveTheCursorStay) {
    FillRows(0, 5);
    // The cursor on row 22 keeps rows up to it: only row 23 is dropped,
    // and the top three rows go to history.
    LineMove move = ResizeScreenLines(screen, 20, 22);
    EXPECT_EQ(move.pushed, 3);
    EXPECT_EQ(move.cursorRow, 19);
    EXPECT_EQ(RowText(screen, 0), "s3");
}

TEST_F(SoftLinesTest, PushingAndCursorNeverGoBelowRowZero) {
    FillRows(0, 59);
    screen.lines = 60;
    LineMove move = ResizeScreenLines(screen, 3, 2);
    EXPECT_EQ(move.pushed, 57);
    EXPECT_EQ(move.cursorRow, 0);
    EXPECT_EQ(RowText(screen, 2), "s59");
}

TEST_F(SoftLinesTest, GrowingBringsBackTheNewestHistoryLines) {
    screen.lines = 20;
    FillRows(0, 19);
    LineMove move = ResizeScreenLines(screen, 24, 7);
    EXPECT_EQ(move.broughtBack, 4);
    EXPECT_EQ(move.cursorRow, 11);
    EXPECT_EQ(screen.store.LineCount(), 96);
    EXPECT_EQ(screen.viewTop, 96);
    EXPECT_EQ(RowText(screen, 0), "h96");
    EXPECT_EQ(RowText(screen, 3), "h99");
    EXPECT_EQ(screen.CellAt(3, 0), MakeCell('h', 0));
    EXPECT_EQ(RowText(screen, 4), "s0");
    EXPECT_EQ(RowText(screen, 23), "s19");
    EXPECT_EQ(screen.CellAt(23, 0), MakeCell('s', AttrBold));
    EXPECT_EQ(StoreLines(screen.store).back(), "h95");
}

TEST_F(SoftLinesTest, GrowingPastTheHistoryLeavesBlankRowsBelow) {
    BlockPool otherPool;
    ScreenBuffer small(80, 20, otherPool);
    small.store.AppendLine(Counted("only").data());
    small.viewTop = 1;
    WriteText(small, 0, 0, "top");
    WriteText(small, 25, 0, "stale row below the screen");
    LineMove move = ResizeScreenLines(small, 30, 0);
    EXPECT_EQ(move.broughtBack, 1);
    EXPECT_EQ(small.store.LineCount(), 0);
    EXPECT_EQ(small.viewTop, 0);
    EXPECT_EQ(RowText(small, 0), "only");
    EXPECT_EQ(RowText(small, 1), "top");
    for (int row = 2; row < MaxLines; row += 1)
        EXPECT_EQ(RowText(small, row), "") << row;
}

TEST_F(SoftLinesTest, ShrinkThenGrowRestoresTheScreen) {
    FillRows(0, 23);
    ResizeScreenLines(screen, 10, 23);
    ResizeScreenLines(screen, 24, 9);
    for (int row = 0; row < 24; row += 1)
        EXPECT_EQ(RowText(screen, row), "s" + std::to_string(row)) << row;
    EXPECT_EQ(screen.store.LineCount(), 100);
}

TEST_F(SoftLinesTest, LineCountsOutsideTheGridAreClamped) {
    FillRows(0, 23);
    ResizeScreenLines(screen, 500, 300);
    EXPECT_EQ(screen.lines, MaxLines);
    ResizeScreenLines(screen, -4, -9);
    EXPECT_EQ(screen.lines, 3);
    EXPECT_EQ(RowText(screen, 2), "s23");
}

TEST_F(SoftLinesTest, AViewTopBeyondTheStoreBringsBackOnlyWhatIsStored) {
    BlockPool otherPool;
    ScreenBuffer small(80, 10, otherPool);
    small.store.AppendLine(Counted("a").data());
    small.store.AppendLine(Counted("b").data());
    small.viewTop = 50;
    WriteText(small, 0, 0, "top");
    LineMove move = ResizeScreenLines(small, 20, 0);
    EXPECT_EQ(move.broughtBack, 2);
    EXPECT_EQ(small.store.LineCount(), 0);
    EXPECT_EQ(RowText(small, 0), "a");
    EXPECT_EQ(RowText(small, 1), "b");
    EXPECT_EQ(RowText(small, 2), "top");
}

// History followed by the screen down to its last row with text.
std::vector<std::string> AllText(ScreenBuffer& screen) {
    std::vector<std::string> text = StoreLines(screen.store);
    int last = -1;
    for (int row = 0; row < screen.lines; row += 1)
        if (!RowText(screen, row).empty()) last = row;
    for (int row = 0; row <= last; row += 1)
        text.push_back(RowText(screen, row));
    return text;
}

TEST_F(SoftLinesTest, AnySeriesOfResizesKeepsEveryLineOnceAndInOrder) {
    FillRows(0, 23);
    std::vector<std::string> before = AllText(screen);
    unsigned seed = 12345;
    int cursor = 23;
    for (int i = 0; i < 400; i += 1) {
        seed = seed * 1103515245u + 12345u;
        int newLines = 3 + static_cast<int>((seed >> 16) % 58);
        cursor = ResizeScreenLines(screen, newLines, cursor).cursorRow;
        ASSERT_EQ(AllText(screen), before) << "resize " << i << " to " << newLines;
        ASSERT_EQ(RowText(screen, cursor), "s23") << "resize " << i;
        ASSERT_EQ(screen.viewTop, screen.store.LineCount());
    }
}

// A window with a fixed border, whose bars take room from the client area.
class SoftFrame : public LayoutFrame {
  public:
    SoftFrame(int width, int height, int vBar) : width(width), height(height), vBar(vBar) {}
    void OuterSize(int& w, int& h) override {
        w = width;
        h = height;
    }
    void ClientSize(int& w, int& h) override {
        w = width - 8 - (vBar ? 16 : 0);
        h = height - 48 - (hBar ? 16 : 0);
    }
    void ShowVerticalBar(int show) override {
        vBar = show;
        vBarCalls += 1;
    }
    void ShowHorizontalBar(int show, int, int) override {
        hBar = show;
        hBarCalls += 1;
    }
    void ResizeFrame(int w, int h) override {
        width = w;
        height = h;
        resizes += 1;
    }
    int width, height, vBar, hBar = 1;
    int vBarCalls = 0, hBarCalls = 0, resizes = 0;
};

TEST_F(SoftLinesTest, LayoutTakesTheLogicalSizeFromTheClientArea) {
    SoftFrame frame(8 + 16 + 100 * 8, 48 + 16 + 30 * 16 + 5, 1);
    LayoutState state;
    LayoutRequest request = {8, 16, 80, 24, 1, 7};
    SoftLayoutResult result = RunSoftLayout(state, request, frame, screen, 0);
    EXPECT_EQ(frame.hBar, 0); // the horizontal bar is hidden first
    EXPECT_EQ(state.hBarShown, 0);
    EXPECT_EQ(screen.columns, 100);
    EXPECT_EQ(screen.lines, 31); // the client area lost the bar's height
    EXPECT_EQ(state.viewLines, 31);
    EXPECT_EQ(result.resized, 0);
    EXPECT_EQ(state.frameWidth, frame.width);
}

TEST_F(SoftLinesTest, LayoutNeverGivesMoreThan132Columns) {
    SoftFrame frame(3000, 2000, 1);
    LayoutState state;
    LayoutRequest request = {4, 8, 80, 24, 1, 0};
    RunSoftLayout(state, request, frame, screen, 0);
    EXPECT_EQ(screen.columns, LineWidth);
    EXPECT_EQ(screen.lines, MaxLines);
}

TEST_F(SoftLinesTest, HidingTheVerticalBarKeepsTheClientWidth) {
    SoftFrame frame(8 + 16 + 80 * 8, 48 + 24 * 16, 1);
    frame.hBar = 0;
    LayoutState state;
    state.hBarShown = 0;
    LayoutRequest request = {8, 16, 80, 24, 0, 0};
    SoftLayoutResult result = RunSoftLayout(state, request, frame, screen, 0);
    EXPECT_EQ(result.resized, 1);
    EXPECT_EQ(frame.vBar, 0);
    EXPECT_EQ(frame.width, 8 + 80 * 8);
    EXPECT_EQ(state.frameWidth, frame.width);
    EXPECT_EQ(screen.columns, 80);
    EXPECT_EQ(screen.lines, 24);
}

} // namespace
