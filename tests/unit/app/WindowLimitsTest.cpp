#include "app/WindowLimits.h"

#include <gtest/gtest.h>

namespace {

// Frames 4 wide, bars 16, menu 18, caption 20; cells 8 x 16; a large screen.
WindowLimitInputs Inputs() {
    WindowLimitInputs in;
    in.metrics.cxFrame = 4;
    in.metrics.cyFrame = 4;
    in.metrics.cxVScroll = 16;
    in.metrics.cyHScroll = 16;
    in.metrics.cyMenu = 18;
    in.metrics.cyCaption = 20;
    in.screenWidth = 2000;
    in.screenHeight = 2000;
    in.cellWidth = 8;
    in.cellHeight = 16;
    return in;
}

TEST(WindowLimitsTest, FixedSizeWindowGrowsOnlyToItsLogicalScreen) {
    WindowLimits limits = ComputeWindowLimits(Inputs());
    EXPECT_EQ(limits.maxWidth, 8 + 16 + 80 * 8);
    EXPECT_EQ(limits.maxHeight, 8 + 18 + 20 + 16 + 24 * 16);
    EXPECT_EQ(limits.minWidth, 8 + 16 + 5 * 8);
    EXPECT_EQ(limits.minHeight, 8 + 18 + 20 + 16 + 3 * 16);
}

TEST(WindowLimitsTest, HiddenBarsLeaveTheirRoomOut) {
    WindowLimitInputs in = Inputs();
    in.vBarShown = 0;
    in.hBarShown = 0;
    WindowLimits limits = ComputeWindowLimits(in);
    EXPECT_EQ(limits.maxWidth, 8 + 80 * 8);
    EXPECT_EQ(limits.maxHeight, 8 + 18 + 20 + 24 * 16);
    EXPECT_EQ(limits.minHeight, 8 + 18 + 20 + 16 + 3 * 16) << "room for the bar when it appears";
}

TEST(WindowLimitsTest, SoftSizeGrowsToTheGridButNotPastTheScreen) {
    WindowLimitInputs in = Inputs();
    in.softSize = 1;
    WindowLimits limits = ComputeWindowLimits(in);
    EXPECT_EQ(limits.maxWidth, 8 + 16 + 132 * 8);
    EXPECT_EQ(limits.maxHeight, 8 + 18 + 20 + 60 * 16);
    EXPECT_EQ(limits.minHeight, 8 + 18 + 20 + 3 * 16);
    in.screenWidth = 800;
    in.screenHeight = 600;
    limits = ComputeWindowLimits(in);
    EXPECT_EQ(limits.maxWidth, 800);
    EXPECT_EQ(limits.maxHeight, 600);
}

TEST(WindowLimitsTest, WideLogicalScreenIsHeldToTheScreenWidth) {
    WindowLimitInputs in = Inputs();
    in.columns = 132;
    in.screenWidth = 1024;
    WindowLimits limits = ComputeWindowLimits(in);
    EXPECT_EQ(limits.maxWidth, 1024);
    in.screenWidth = 30;
    EXPECT_EQ(ComputeWindowLimits(in).minWidth, 30);
}

} // namespace
