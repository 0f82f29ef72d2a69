#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenSizeTest, SettingsAreClampedAsTheSettingsFileExpects) {
    EXPECT_EQ(ScreenBuffer::ClampColumnsSetting(4), 3); // below 5 becomes 3
    EXPECT_EQ(ScreenBuffer::ClampColumnsSetting(-20), 3);
    EXPECT_EQ(ScreenBuffer::ClampColumnsSetting(5), 5);
    EXPECT_EQ(ScreenBuffer::ClampColumnsSetting(133), LineWidth);
    EXPECT_EQ(ScreenBuffer::ClampLinesSetting(2), 3);
    EXPECT_EQ(ScreenBuffer::ClampLinesSetting(61), MaxLines);
}

TEST(ScreenSizeTest, ConstructionKeepsTheSizesInsideTheGrid) {
    BlockPool pool;
    ScreenBuffer screen(500, 500, pool);
    EXPECT_EQ(screen.columns, LineWidth);
    EXPECT_EQ(screen.lines, MaxLines);
    EXPECT_EQ(screen.configuredLines, MaxLines);
    EXPECT_EQ(screen.viewLines, MaxLines);
    EXPECT_EQ(screen.store.BlockCount(), 1);
    EXPECT_EQ(pool.freeCount, 1); // the spare block is there from the start
}

} // namespace
