#include "screen/MouseSelection.h"

#include "screen/RenderRuns.h"
#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(PointToCellTest, MapsClientPixelsThroughOffsetsOntoTheRowsShown) {
    struct Case {
        CellOffsets at;
        int viewTop, lines, x, y;
        int line, col;
    } cases[] = {
        {{8, 16, 0, 0}, 0, 24, 0, 0, 0, 0},
        {{8, 16, 0, 0}, 100, 24, 15, 31, 101, 1},
        {{8, 16, 0, 0}, 100, 24, 16, 32, 102, 2},
        {{8, 16, 4, 3}, 10, 24, 7, 0, 13, 4},    // first shown row and horizontal offset
        {{8, 16, 0, 0}, 10, 24, -1, -1, 9, 0},   // left of and above the client area
        {{8, 16, 0, 0}, 0, 24, 5000, 0, 0, 132}, // far right stops after the last cell
        // Below the last row, in the part of a row under it: the last row.
        {{8, 16, 0, 5}, 100, 24, 8, 18 * 16 + 15, 123, 1}, // 19 of 24 rows shown
        {{8, 16, 0, 5}, 100, 24, 8, 19 * 16 + 5, 123, 1},
        {{8, 16, 0, 0}, 100, 19, 8, 19 * 16 + 5, 118, 1}, // the same in scroll-back mode
        {{8, 16, 0, 0}, 100, 1, 8, 21, 100, 1},           // a view of one line
        {{8, 16, 0, 0}, 0, 24, 0, 5000, 23, 0},
        {{1, 1, 0, 0}, 0, 24, 7, 5, 5, 7}, // one-pixel cells
        {{0, 0, 0, 0}, 0, 24, 7, 5, 5, 7}, // a zero cell size counts as one pixel
    };
    for (const Case& c : cases) {
        SelectionPoint p = PointToCell(c.at, c.viewTop, c.lines, c.x, c.y);
        EXPECT_EQ(p.line, c.line) << c.x << "," << c.y;
        EXPECT_EQ(p.col, c.col) << c.x << "," << c.y;
    }
}

TEST(ClampDragPointTest, PutsOutsidePointsOnTheEdgeAndAsksForScrolls) {
    struct Case {
        int x, y;
        DragPoint want;
    } cases[] = {
        {10, 10, {10, 10, 0, 0}},   {10, -3, {10, 0, -1, 0}}, {10, 200, {10, 199, 1, 0}},
        {10, 199, {10, 199, 0, 0}}, {-1, 10, {0, 10, 0, -1}}, {640, 10, {639, 10, 0, 1}},
        {-5, 300, {0, 199, 1, -1}}, {639, 0, {639, 0, 0, 0}}, {0, 10, {0, 10, 0, 0}},
    };
    for (const Case& c : cases) {
        DragPoint p = ClampDragPoint(c.x, c.y, 640, 200);
        EXPECT_EQ(p.x, c.want.x);
        EXPECT_EQ(p.y, c.want.y);
        EXPECT_EQ(p.vertical, c.want.vertical) << c.x << "," << c.y;
        EXPECT_EQ(p.horizontal, c.want.horizontal) << c.x << "," << c.y;
    }
}

// Only what changed is redrawn: nothing for the same bounds, the columns
// between the ends on one line, whole rows otherwise, never a row off the
// screen or a column past the last.
TEST(RedrawForChangeTest, AsksForTheChangedRowsAndOnOneLineOnlyItsColumns) {
    struct Case {
        SelectionBounds before, after;
        int lines;
        SelectionRedraw want; // r1 > r2: nothing
    } cases[] = {
        {{5, 2, 5, 9}, {5, 2, 5, 9}, 24, {0, -1, 0, -1}},
        {{5, 2, 5, 9}, {5, 2, 5, 12}, 24, {5, 5, 2, 12}},
        {{5, 2, 5, 9}, {5, 2, 5, 132}, 24, {5, 5, 2, 131}},
        {{5, 2, 5, 9}, {5, 2, 7, 4}, 24, {5, 7, 0, 131}},
        {{0, 2, 0, 9}, {0, 2, 0, 12}, 0, {0, -1, 0, -1}},
    };
    for (const Case& c : cases) {
        SelectionRedraw got = RedrawForChange(c.before, c.after, 0, c.lines);
        SCOPED_TRACE(c.after.endCol);
        if (c.want.r1 > c.want.r2) {
            EXPECT_GT(got.r1, got.r2);
            continue;
        }
        EXPECT_EQ(got.r1, c.want.r1);
        EXPECT_EQ(got.r2, c.want.r2);
        EXPECT_EQ(got.c1, c.want.c1);
        EXPECT_EQ(got.c2, c.want.c2);
    }
}

class MouseSelectionTest : public ScreenFixture {
  protected:
    std::string Bounds() const {
        return std::to_string(screen.selStartLine) + ":" + std::to_string(screen.selStartCol) +
               "-" + std::to_string(screen.selEndLine) + ":" + std::to_string(screen.selEndCol);
    }
    MouseSelection mouse;
};

TEST_F(MouseSelectionTest, DragRunsFromTheAnchorWhicheverWayItGoes) {
    struct Case {
        SelectionPoint to;
        const char* want;
    } cases[] = {
        {{7, 20}, "5:10-7:20"}, // down
        {{5, 14}, "5:10-5:14"}, // right on the anchor's line
        {{5, 10}, "5:10-5:10"}, // back onto the anchor: empty
        {{5, 3}, "5:3-5:10"},   // left: the point becomes the start
        {{2, 40}, "2:40-5:10"}, // up
    };
    mouse.Start(screen, {5, 10});
    EXPECT_EQ(Bounds(), "5:10-5:10");
    for (const Case& c : cases) {
        mouse.Track(screen, c.to);
        EXPECT_EQ(Bounds(), c.want);
    }
}

TEST_F(MouseSelectionTest, ShiftClickMovesTheNearerEnd) {
    mouse.Start(screen, {5, 10});
    mouse.Track(screen, {7, 20});
    mouse.dragging = 0;
    struct Case {
        SelectionPoint at;
        const char* want;
    } cases[] = {
        {{9, 2}, "5:10-9:2"}, // after the start: the end moves
        {{3, 4}, "3:4-9:2"},  // before the start: the start moves
        {{3, 4}, "3:4-3:4"},  // on the start: it counts as after, the end moves
    };
    for (const Case& c : cases) {
        mouse.Track(screen, c.at);
        EXPECT_EQ(Bounds(), c.want);
    }
}

int TestWordChar(unsigned char ch) {
    return std::isalnum(ch) || ch == 0xE4; // an accented letter of the current set
}

TEST_F(MouseSelectionTest, DoubleClickTakesLettersAndDigitsAroundTheClick) {
    std::string line = "cd /usr/lib.so.2 x\xE4y   end";
    struct Case {
        int col;
        const char* want;
    } cases[] = {
        {0, "3:0-3:2"},    {1, "3:0-3:2"},    {2, "3:2-3:2"},    // space: empty at the click
        {3, "3:3-3:4"},    {5, "3:4-3:7"},    {8, "3:8-3:11"},   // "/" alone; "usr"; "lib"
        {11, "3:11-3:12"}, {13, "3:12-3:14"}, {15, "3:15-3:16"}, // "." alone; "so"; "2"
        {18, "3:17-3:20"}, {24, "3:23-3:26"}, {26, "3:26-3:26"}, // "x\xE4y"; "end"; past the text
        {60, "3:60-3:60"},
    };
    for (const Case& c : cases) {
        mouse.ignoreNextUp = 0;
        mouse.SelectWord(screen, {3, c.col}, Counted(line).data(), TestWordChar);
        EXPECT_EQ(Bounds(), c.want) << "col " << c.col;
        EXPECT_EQ(mouse.ignoreNextUp, 1);
        EXPECT_EQ(mouse.ButtonUp(), 0) << "col " << c.col; // the double-click's own up
        if (screen.selStartCol == screen.selEndCol) continue;
        EXPECT_EQ(mouse.anchorLine, 3);
        EXPECT_EQ(mouse.anchorCol, screen.selStartCol);
    }
    // The word stops at the line's ends even where the bytes around the
    // text (its count before it, more bytes after it) are letters.
    mouse.SelectWord(screen, {3, 1}, Counted("abc" + std::string(62, ' ') + "z").data(),
                     TestWordChar);
    EXPECT_EQ(Bounds(), "3:0-3:3");
    mouse.SelectWord(screen, {3, 1},
                     reinterpret_cast<const unsigned char*>("\x03"
                                                            "abcdef"),
                     TestWordChar);
    EXPECT_EQ(Bounds(), "3:0-3:3");
    // Its button-up, lost to another window, does not hold the next drag.
    mouse.Start(screen, {4, 0});
    EXPECT_EQ(mouse.ButtonUp(), 1);
}

TEST_F(MouseSelectionTest, TimerRunsOnlyWhileTheDragScrolls) {
    EXPECT_EQ(mouse.AutoScroll(0), TimerChange::None);
    EXPECT_EQ(mouse.AutoScroll(1), TimerChange::Start);
    EXPECT_EQ(mouse.autoScrollOn, 1);
    EXPECT_EQ(mouse.AutoScroll(1), TimerChange::None);
    EXPECT_EQ(mouse.AutoScroll(0), TimerChange::Stop);
    EXPECT_EQ(mouse.autoScrollOn, 0);
    mouse.AutoScroll(1); // and a new drag stops one left running
    EXPECT_EQ(mouse.Start(screen, {0, 0}), TimerChange::Stop);
    EXPECT_EQ(mouse.AutoScroll(1), TimerChange::Start);
}

// Which cells of the screen's rows show the highlight.
std::vector<std::vector<bool>> Highlight(const ScreenBuffer& screen) {
    std::vector<std::vector<bool>> shown(screen.lines, std::vector<bool>(LineWidth));
    for (int row = 0; row < screen.lines; ++row) {
        SelectedSpan span = SelectedColumns(screen, row);
        for (int col = std::max(span.from, 0); col < std::min(span.to, LineWidth); ++col)
            shown[row][col] = true;
    }
    return shown;
}

// Random drags and Shift-clicks over rows of text, with the view at the
// top of the history or above it: every cell whose highlight changed lies
// in the rows and columns the change asks to redraw.
TEST_F(MouseSelectionTest, RedrawCoversEveryCellWhoseHighlightChanged) {
    for (int row = 0; row < screen.lines; ++row)
        WriteText(screen, row, 0, std::string(row % 5 == 4 ? 0 : 10 + row * 3, 'a' + row % 26));
    std::mt19937 random(7);
    for (int viewTop : {0, 6}) {
        screen.viewTop = viewTop;
        for (int round = 0; round < 1200; ++round) {
            if (round % 40 == 0) {
                mouse.Start(screen, {viewTop + int(random() % 30) - 3, int(random() % 90)});
            }
            if (round % 40 == 30) mouse.dragging = 0;
            auto before = Highlight(screen);
            SelectionRedraw redraw =
                mouse.Track(screen, {viewTop + int(random() % 30) - 3, int(random() % 90)});
            auto after = Highlight(screen);
            for (int row = 0; row < screen.lines; ++row)
                for (int col = 0; col < LineWidth; ++col)
                    if (before[row][col] != after[row][col]) {
                        ASSERT_TRUE(row >= redraw.r1 && row <= redraw.r2 && col >= redraw.c1 &&
                                    col <= redraw.c2)
                            << "round " << round << " cell " << row << "," << col;
                    }
        }
    }
}

} // namespace
