#include "screen/FontSizes.h"

#include <climits>
#include <gtest/gtest.h>

TEST(FontSizes, PointsBecomeANegativeCharacterHeightRounded) {
    EXPECT_EQ(FontHeightForPoints(10, 96), -13); // 13.33
    EXPECT_EQ(FontHeightForPoints(9, 96), -12);
    EXPECT_EQ(FontHeightForPoints(10, 120), -17); // 16.67
    EXPECT_EQ(FontHeightForPoints(12, 72), -12);
    EXPECT_EQ(FontHeightForPoints(3, 96), -4);
}

TEST(FontSizes, RealisedSizeLeavesTheInternalLeadingOut) {
    EXPECT_EQ(PointsOfMetrics(16, 3, 96), 10); // 9.75
    EXPECT_EQ(PointsOfMetrics(15, 3, 96), 9);
    EXPECT_EQ(PointsOfMetrics(20, 0, 120), 12);
}

TEST(FontSizes, ChosenHeightGivesBackTheSizeInPoints) {
    for (int points = 4; points <= 72; points += 1)
        for (int dpi : {72, 96, 120, 144})
            EXPECT_EQ(PointsOfFontHeight(FontHeightForPoints(points, dpi), dpi), points)
                << points << " pt at " << dpi;
    EXPECT_EQ(PointsOfFontHeight(16, 96), 12);
}

TEST(FontSizes, OddDevicesAndExtremeValuesStayDefined) {
    EXPECT_EQ(FontHeightForPoints(10, 0), FontHeightForPoints(10, 96));
    EXPECT_EQ(PointsOfFontHeight(-13, -5), 10);
    EXPECT_EQ(MulDivRounded(5, 7, 0), 0);
    EXPECT_EQ(MulDivRounded(-3, 1, 2), -2); // halves away from zero
    EXPECT_EQ(MulDivRounded(3, 1, 2), 2);
    EXPECT_EQ(MulDivRounded(INT_MAX, INT_MAX, 1), INT_MAX);
    EXPECT_GT(PointsOfFontHeight(INT_MIN, 96), 0);
    EXPECT_GT(PointsOfMetrics(INT_MAX, INT_MIN, 96), 0);
}
