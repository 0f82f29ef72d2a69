#include "screen/CellGeometry.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const PixelRect& got, int left, int top, int right, int bottom) {
    EXPECT_EQ(got.left, left);
    EXPECT_EQ(got.top, top);
    EXPECT_EQ(got.right, right);
    EXPECT_EQ(got.bottom, bottom);
}

const CellOffsets plain = {8, 16, 0, 0};
const CellOffsets shifted = {8, 16, 5, 2}; // five columns scrolled off, two rows cut

} // namespace

TEST(CellGeometry, CellsMapToClientPixelsThroughBothOffsets) {
    ExpectRect(CellsToClient(plain, 1, 2, 3, 10), 24, 16, 80, 32);
    ExpectRect(CellsToClient(shifted, 1, 2, 3, 10), -16, -16, 40, 0);
    ExpectRect(CellsToClient(shifted, 2, 24, 5, 80), 0, 0, 600, 352);
}

TEST(CellGeometry, AnUpwardScrollMovesTheBandLessItsTopRows) {
    BandScroll up = ScrollBand(plain, 0, 24, 2, 80);
    ExpectRect(up.clip, 0, 0, 640, 384);
    ExpectRect(up.moved, 0, 32, 640, 384);
    EXPECT_EQ(up.dy, -32);
}

TEST(CellGeometry, ADownwardScrollMovesTheBandLessItsBottomRows) {
    BandScroll down = ScrollBand(shifted, 3, 10, -1, 80);
    ExpectRect(down.clip, -40, 16, 600, 128);
    ExpectRect(down.moved, -40, 16, 600, 112);
    EXPECT_EQ(down.dy, 16);
}

TEST(CellGeometry, AShortWindowShowsTheBottomRows) {
    EXPECT_EQ(FirstShownRow(24, 24 * 16, 16), 0);
    EXPECT_EQ(FirstShownRow(24, 30 * 16, 16), 0);
    EXPECT_EQ(FirstShownRow(24, 20 * 16 + 15, 16), 4); // a partial row does not count
    EXPECT_EQ(FirstShownRow(24, 0, 16), 24);
    EXPECT_EQ(FirstShownRow(24, 100, 0), 0);
}

TEST(CellGeometry, APaintRectangleOverHalfACellPaintsTheWholeCell) {
    CellRange half = CellsToPaint({12, 20, 13, 24}, 8, 16, 24, 80);
    EXPECT_EQ(half.r1, 1);
    EXPECT_EQ(half.r2, 1);
    EXPECT_EQ(half.c1, 1);
    EXPECT_EQ(half.c2, 1);
}

TEST(CellGeometry, PaintingIsLimitedToTheLogicalScreen) {
    CellRange all = CellsToPaint({-3, -20, 2000, 2000}, 8, 16, 24, 80);
    EXPECT_EQ(all.r1, 0);
    EXPECT_EQ(all.r2, 23);
    EXPECT_EQ(all.c1, 0);
    EXPECT_EQ(all.c2, 79);
    CellRange zeroCells = CellsToPaint({0, 0, 5, 5}, 0, 0, 24, 80);
    EXPECT_EQ(zeroCells.r2, 5);
    EXPECT_EQ(zeroCells.c2, 5);
}

TEST(CellGeometry, TheCaretLiesAlongTheBottomOfTheCursorCell) {
    PixelPoint home = CaretPoint(plain, 0, 0, 2);
    EXPECT_EQ(home.x, 0);
    EXPECT_EQ(home.y, 14);
    PixelPoint moved = CaretPoint(shifted, 10, 7, 2);
    EXPECT_EQ(moved.x, 16);
    EXPECT_EQ(moved.y, (10 - 2 + 1) * 16 - 2);
}
