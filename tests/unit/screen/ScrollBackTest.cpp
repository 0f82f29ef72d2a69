#include "screen/ScrollBack.h"
#include "screen/OutputHold.h"
#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

VScrollInput Live(int code, int lineCount, int thumb = 0) {
    return {code, thumb, lineCount, 24, 24, lineCount, 0, LiveBarMax};
}

VScrollInput Back(int code, int lineCount, int viewTop, int thumb = 0) {
    return {code, thumb, lineCount, 24, 24, viewTop, 1, LiveBarMax};
}

TEST(VerticalScroll, LineUpInLiveModeGoesOneLineAboveTheLiveScreen) {
    VScrollMove move = ComputeVScroll(Live(ScrollCode::LineUp, 100));
    EXPECT_EQ(move.cur, 100);
    EXPECT_EQ(move.max, 100);
    EXPECT_EQ(move.next, 99);
    // In scroll-back mode the store holds the screen too: line-down from
    // there reaches the bottom again.
    move = ComputeVScroll(Back(ScrollCode::LineDown, 124, 99));
    EXPECT_EQ(move.next, 100);
    EXPECT_EQ(move.max, 100);
}

TEST(VerticalScroll, NothingMovesWithoutHistoryOrPastTheEnds) {
    for (int code = 0; code <= 8; code += 1) {
        VScrollMove move = ComputeVScroll(Live(code, 0, 50));
        EXPECT_EQ(move.next, move.cur) << code;
    }
    EXPECT_EQ(ComputeVScroll(Live(ScrollCode::LineDown, 100)).next, 100);
    EXPECT_EQ(ComputeVScroll(Live(ScrollCode::Bottom, 100)).next, 100);
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::LineUp, 124, 0)).next, 0);
    // Dragging and the end of a drag do not move the view.
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::ThumbTrack, 124, 50, 3)).next, 50);
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::EndScroll, 124, 50, 3)).next, 50);
}

TEST(VerticalScroll, PagesOverlapByOneLineAndStopAtTheEnds) {
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::PageUp, 124, 50)).next, 27);
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::PageDown, 124, 50)).next, 73);
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::PageUp, 124, 10)).next, 0);
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::PageDown, 124, 90)).next, 100);
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::Top, 124, 90)).next, 0);
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::Bottom, 124, 9)).next, 100);
}

TEST(VerticalScroll, ALiveThumbIsScaledToHistoryAndAScrollBackThumbIsNot) {
    EXPECT_EQ(ComputeVScroll(Live(ScrollCode::ThumbPosition, 200, 0)).next, 0);
    EXPECT_EQ(ComputeVScroll(Live(ScrollCode::ThumbPosition, 200, 50)).next, 101);
    EXPECT_EQ(ComputeVScroll(Live(ScrollCode::ThumbPosition, 200, 99)).next, 200);
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::ThumbPosition, 224, 100, 37)).next, 37);
    // A new window's bar runs 0..1: its end is the newest line, not the
    // first hundredth of history.
    VScrollInput fresh = Live(ScrollCode::ThumbPosition, 200, 1);
    fresh.liveBarMax = 1;
    EXPECT_EQ(ComputeVScroll(fresh).next, 200);
    fresh.thumb = 0;
    EXPECT_EQ(ComputeVScroll(fresh).next, 0);
    // A long history on a wide range does not overflow the scaling.
    VScrollInput wide = Live(ScrollCode::ThumbPosition, 600000, 65535);
    wide.liveBarMax = 65535;
    EXPECT_EQ(ComputeVScroll(wide).next, 600000);
    // A thumb outside the range stays within the history.
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::ThumbPosition, 224, 100, 9999)).next, 200);
    EXPECT_EQ(ComputeVScroll(Back(ScrollCode::ThumbPosition, 224, 100, -5)).next, 0);
}

TEST(VerticalScroll, AShortWindowPagesByItsOwnRows) {
    VScrollInput in = {ScrollCode::PageUp, 0, 100, 24, 10, 100, 0, LiveBarMax};
    VScrollMove move = ComputeVScroll(in);
    EXPECT_EQ(move.max, 114); // the live view is the screen's last 10 rows
    EXPECT_EQ(move.next, 105);
    // A one-row window still moves a page by one line.
    VScrollInput one = {ScrollCode::PageUp, 0, 100, 1, 1, 50, 1, LiveBarMax};
    EXPECT_EQ(ComputeVScroll(one).next, 49);
}

TEST(HorizontalScroll, LinesPagesAndEnds) {
    EXPECT_EQ(ComputeHScroll(ScrollCode::PageDown, 0, 0, 40, 0), 8);
    EXPECT_EQ(ComputeHScroll(ScrollCode::PageDown, 0, 0, 40, 36), 40);
    EXPECT_EQ(ComputeHScroll(ScrollCode::PageUp, 0, 0, 40, 5), 0);
    EXPECT_EQ(ComputeHScroll(ScrollCode::LineUp, 0, 0, 40, 0), 0);
    EXPECT_EQ(ComputeHScroll(ScrollCode::LineDown, 0, 0, 40, 40), 40);
    EXPECT_EQ(ComputeHScroll(ScrollCode::LineDown, 0, 0, 40, 3), 4);
    EXPECT_EQ(ComputeHScroll(ScrollCode::Top, 0, 0, 40, 20), 0);
    EXPECT_EQ(ComputeHScroll(ScrollCode::Bottom, 0, 0, 40, 20), 40);
    EXPECT_EQ(ComputeHScroll(ScrollCode::ThumbPosition, 17, 0, 40, 20), 17);
    EXPECT_EQ(ComputeHScroll(ScrollCode::ThumbPosition, 400, 0, 40, 20), 40);
    EXPECT_EQ(ComputeHScroll(ScrollCode::ThumbTrack, 17, 0, 40, 20), -1);
    EXPECT_EQ(ComputeHScroll(ScrollCode::EndScroll, 17, 0, 40, 20), -1);
}

TEST(ScrollBackBar, RangeNeverCollapses) {
    EXPECT_EQ(ScrollBackBarMax(124, 24), 100);
    EXPECT_EQ(ScrollBackBarMax(24, 24), 1);
}

// 100 history lines "h0".."h99" and a bold screen "s0".."s23".
class ScrollBackModeTest : public ScreenFixture {
  protected:
    ScrollBackModeTest() {
        for (int i = 0; i < 100; i += 1)
            screen.store.AppendLine(Counted("h" + std::to_string(i)).data());
        screen.viewTop = 100;
        for (int row = 0; row < 24; row += 1)
            WriteText(screen, row, 0, "s" + std::to_string(row), AttrBold);
    }
    ScrollBackView mode;
};

TEST_F(ScrollBackModeTest, EnteringShowsTheBottomOfTheScreenFromHistory) {
    screen.viewLines = 10;
    ASSERT_EQ(mode.Enter(screen), 1);
    EXPECT_EQ(mode.Active(), 1);
    EXPECT_EQ(mode.LiveLines(), 24);
    EXPECT_EQ(screen.lines, 10);
    EXPECT_EQ(screen.viewTop, 114);
    EXPECT_EQ(RowText(screen, 0), "s14");
    EXPECT_EQ(screen.CellAt(0, 0), MakeCell('s', 0)); // history has no attributes
    EXPECT_EQ(mode.Enter(screen), 0);                 // a second entry changes nothing
    EXPECT_EQ(screen.store.LineCount(), 124);
}

TEST_F(ScrollBackModeTest, LeavingAtTheBottomSaysSoAndRestoresTheLiveScreen) {
    int atBottom = -1;
    EXPECT_EQ(mode.Leave(screen, atBottom), 0);
    EXPECT_EQ(atBottom, -1);
    mode.Enter(screen);
    ASSERT_EQ(mode.Leave(screen, atBottom), 1);
    EXPECT_EQ(atBottom, 1);
    EXPECT_EQ(screen.lines, 24);
    EXPECT_EQ(screen.store.LineCount(), 100);
    EXPECT_EQ(screen.viewTop, 100);
    EXPECT_EQ(screen.CellAt(5, 0), MakeCell('s', AttrBold));
}

TEST_F(ScrollBackModeTest, LeavingFromAboveTheBottomIsNotAtTheBottom) {
    mode.Enter(screen);
    screen.MoveView(-30);
    screen.FillViewFromHistory();
    EXPECT_EQ(RowText(screen, 0), "h70");
    int atBottom = -1;
    mode.Leave(screen, atBottom);
    EXPECT_EQ(atBottom, 0);
    EXPECT_EQ(RowText(screen, 23), "s23");
    EXPECT_EQ(StoreLines(screen.store).back(), "h99");
}

// The hold of output through the user's hold (H), its release (R), and
// entering (E) and leaving (L) scroll-back mode: the flags at the end, and
// one listener call for each operation that changed them, told the flags
// as they were before it.
class HoldRecorder : public HoldListener {
  public:
    void HoldChanged(const HoldFlags& before) override { calls.push_back(before); }
    std::vector<HoldFlags> calls;
};

TEST(OutputHold, EachRealChangeIsHeardOnceWithTheFlagsBeforeIt) {
    struct Case {
        const char* steps;
        HoldFlags after;
        std::size_t calls;
    } cases[] = {
        {"H", {1, 1, 0}, 1},  {"HH", {1, 1, 0}, 1},  {"HR", {0, 0, 0}, 2},  {"R", {0, 0, 0}, 0},
        {"E", {1, 0, 1}, 1},  {"EE", {1, 0, 1}, 1},  {"EL", {0, 0, 0}, 2},  {"L", {0, 0, 0}, 0},
        {"HE", {1, 1, 1}, 2}, {"HEL", {1, 1, 0}, 3}, {"HER", {1, 0, 1}, 3}, {"HERL", {0, 0, 0}, 4},
        {"EH", {1, 1, 1}, 2}, {"EHL", {1, 1, 0}, 3}, {"ER", {1, 0, 1}, 1},  {"EHRL", {0, 0, 0}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.steps);
        HoldRecorder recorder;
        OutputHold hold(recorder);
        for (const char* step = c.steps; *step; ++step) {
            HoldFlags before = {hold.IsHeld(), hold.HoldRequested(), hold.ScrollBackMode()};
            std::size_t heard = recorder.calls.size();
            switch (*step) {
            case 'H': hold.RequestHold(); break;
            case 'R': hold.Resume(); break;
            case 'E': hold.EnterScrollBack(); break;
            case 'L': hold.LeaveScrollBack(); break;
            }
            if (recorder.calls.size() > heard) {
                EXPECT_EQ(recorder.calls.back().hold, before.hold);
                EXPECT_EQ(recorder.calls.back().holdRequested, before.holdRequested);
                EXPECT_EQ(recorder.calls.back().scrollBackMode, before.scrollBackMode);
            }
        }
        EXPECT_EQ(hold.IsHeld(), c.after.hold);
        EXPECT_EQ(hold.HoldRequested(), c.after.holdRequested);
        EXPECT_EQ(hold.ScrollBackMode(), c.after.scrollBackMode);
        EXPECT_EQ(recorder.calls.size(), c.calls);
    }
}

} // namespace
