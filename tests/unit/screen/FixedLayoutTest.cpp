#include "screen/FixedLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A window whose client area is its outer size less a frame, a caption
// and menu, and the scroll bars that are shown.
class FakeFrame : public LayoutFrame {
  public:
    static constexpr int Border = 4;
    static constexpr int Top = 40; // caption and menu
    static constexpr int BarWidth = 16;
    static constexpr int BarHeight = 16;

    FakeFrame(int width, int height, int vBar, int hBar)
        : width(width), height(height), vBar(vBar), hBar(hBar) {}

    void OuterSize(int& w, int& h) override {
        w = width;
        h = height;
    }
    void ClientSize(int& w, int& h) override {
        w = width - 2 * Border - (vBar ? BarWidth : 0);
        h = height - 2 * Border - Top - (hBar ? BarHeight : 0);
    }
    void ShowVerticalBar(int show) override {
        vBar = show;
        calls.push_back(show ? "vbar on" : "vbar off");
    }
    void ShowHorizontalBar(int show, int hidden, int position) override {
        hBar = show;
        calls.push_back(show ? "hbar 0.." + std::to_string(hidden) + " at " +
                                   std::to_string(position)
                             : "hbar off");
    }
    void ResizeFrame(int w, int h) override {
        width = w;
        height = h;
        calls.push_back("resize " + std::to_string(w) + "x" + std::to_string(h));
    }

    // The outer size whose client area holds columns x lines cells.
    static int OuterWidth(int columns, int cellWidth, int vBar) {
        return columns * cellWidth + 2 * Border + (vBar ? BarWidth : 0);
    }
    static int OuterHeight(int lines, int cellHeight, int hBar) {
        return lines * cellHeight + 2 * Border + Top + (hBar ? BarHeight : 0);
    }

    int width, height, vBar, hBar;
    std::vector<std::string> calls;
};

const int CellWidth = 8;
const int CellHeight = 16;

LayoutRequest Request(int columns, int lines, int verticalBar = 1, int hScroll = 0) {
    return {CellWidth, CellHeight, columns, lines, verticalBar, hScroll};
}

// A window as it is first created: the bars were never shown, the fields
// say they are.
LayoutState FreshState() {
    return LayoutState();
}

} // namespace

TEST(FixedLayout, AWindowSizedForTheScreenKeepsItsSize) {
    FakeFrame frame(FakeFrame::OuterWidth(80, CellWidth, 1),
                    FakeFrame::OuterHeight(24, CellHeight, 0), 1, 0);
    LayoutState state = FreshState();
    // The first layout hides the horizontal bar that the fields count as
    // shown; the window was never given one, so nothing is resized.
    EXPECT_EQ(RunFixedLayout(state, Request(80, 24), frame), 0);
    ASSERT_EQ(frame.calls.size(), 1u);
    EXPECT_EQ(frame.calls[0], "hbar off");
    EXPECT_EQ(state.fitColumns, 80);
    EXPECT_EQ(state.viewLines, 24);
    EXPECT_EQ(state.hBarShown, 0);
    EXPECT_EQ(state.vBarShown, 1);
    EXPECT_EQ(state.frameWidth, frame.width);
    EXPECT_EQ(state.frameHeight, frame.height);

    frame.calls.clear();
    EXPECT_EQ(RunFixedLayout(state, Request(80, 24), frame), 0);
    EXPECT_TRUE(frame.calls.empty());
}

TEST(FixedLayout, ATallerWindowShrinksBackToTheLogicalLines) {
    FakeFrame frame(FakeFrame::OuterWidth(80, CellWidth, 1),
                    FakeFrame::OuterHeight(30, CellHeight, 0), 1, 0);
    LayoutState state = FreshState();
    state.hBarShown = 0;
    EXPECT_EQ(RunFixedLayout(state, Request(80, 24), frame), 1);
    EXPECT_EQ(frame.height, FakeFrame::OuterHeight(24, CellHeight, 0));
    EXPECT_EQ(state.viewLines, 24);
    EXPECT_EQ(state.frameHeight, frame.height);
}

TEST(FixedLayout, ANarrowWindowShowsTheHorizontalBarOverTheHiddenColumns) {
    FakeFrame frame(FakeFrame::OuterWidth(40, CellWidth, 1),
                    FakeFrame::OuterHeight(24, CellHeight, 0), 1, 0);
    LayoutState state = FreshState();
    state.hBarShown = 0;
    EXPECT_EQ(RunFixedLayout(state, Request(80, 24, 1, 5), frame), 1);
    ASSERT_EQ(frame.calls.size(), 2u);
    EXPECT_EQ(frame.calls[0], "hbar 0..40 at 5");
    EXPECT_EQ(state.hBarShown, 1);
    EXPECT_EQ(state.fitColumns, 40);
    // The window grows by the bar, so that 24 rows still fit.
    int clientWidth = 0, clientHeight = 0;
    frame.ClientSize(clientWidth, clientHeight);
    EXPECT_EQ(clientHeight, 24 * CellHeight);
}

TEST(FixedLayout, TheHorizontalBarFollowsTheHiddenColumnsAndTheViewWhileItStays) {
    FakeFrame frame(FakeFrame::OuterWidth(40, CellWidth, 1),
                    FakeFrame::OuterHeight(24, CellHeight, 0), 1, 0);
    LayoutState state = FreshState();
    state.hBarShown = 0;
    RunFixedLayout(state, Request(80, 24), frame);
    frame.calls.clear();
    frame.width = FakeFrame::OuterWidth(30, CellWidth, 1);
    RunFixedLayout(state, Request(80, 24, 1, 45), frame);
    ASSERT_EQ(frame.calls.size(), 1u);
    EXPECT_EQ(frame.calls[0], "hbar 0..50 at 45");
    frame.calls.clear();
    frame.width = FakeFrame::OuterWidth(70, CellWidth, 1);
    RunFixedLayout(state, Request(80, 24, 1, 45), frame);
    ASSERT_EQ(frame.calls.size(), 1u);
    EXPECT_EQ(frame.calls[0], "hbar 0..10 at 10"); // the offset stays within the range
    // A resize of the height alone takes the view back to column 0: the
    // thumb goes with it, or the next arrow click would start from where
    // the thumb was.
    frame.calls.clear();
    frame.height = FakeFrame::OuterHeight(20, CellHeight, 1);
    RunFixedLayout(state, Request(80, 24, 1, 0), frame);
    ASSERT_EQ(frame.calls.size(), 1u);
    EXPECT_EQ(frame.calls[0], "hbar 0..10 at 0");
}

TEST(FixedLayout, TurningTheVerticalBarOffKeepsTheClientWidth) {
    FakeFrame frame(FakeFrame::OuterWidth(80, CellWidth, 1),
                    FakeFrame::OuterHeight(24, CellHeight, 0), 1, 0);
    LayoutState state = FreshState();
    state.hBarShown = 0;
    EXPECT_EQ(RunFixedLayout(state, Request(80, 24, 0), frame), 1);
    EXPECT_EQ(frame.calls.front(), "vbar off");
    EXPECT_EQ(state.vBarShown, 0);
    EXPECT_EQ(frame.width, FakeFrame::OuterWidth(80, CellWidth, 0));
    int clientWidth = 0, clientHeight = 0;
    frame.ClientSize(clientWidth, clientHeight);
    EXPECT_EQ(clientWidth, 80 * CellWidth);

    frame.calls.clear();
    EXPECT_EQ(RunFixedLayout(state, Request(80, 24, 1), frame), 1);
    EXPECT_EQ(frame.calls.front(), "vbar on");
    EXPECT_EQ(frame.width, FakeFrame::OuterWidth(80, CellWidth, 1));
}

TEST(FixedLayout, AShortWindowKeepsItsHeightAndShowsFewerLines) {
    FakeFrame frame(FakeFrame::OuterWidth(80, CellWidth, 1),
                    FakeFrame::OuterHeight(10, CellHeight, 0), 1, 0);
    LayoutState state = FreshState();
    state.hBarShown = 0;
    EXPECT_EQ(RunFixedLayout(state, Request(80, 24), frame), 0);
    EXPECT_EQ(state.viewLines, 10);
}

TEST(FixedLayout, ZeroCellSizesAreTakenAsOnePixel) {
    FakeFrame frame(200, 200, 1, 0);
    LayoutState state = FreshState();
    LayoutRequest request = {0, 0, 80, 24, 1, 0};
    RunFixedLayout(state, request, frame);
    EXPECT_EQ(state.viewLines, 24);
    EXPECT_EQ(state.fitColumns, 200 - 2 * FakeFrame::Border - FakeFrame::BarWidth);
}
