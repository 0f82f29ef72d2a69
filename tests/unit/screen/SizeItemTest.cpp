#include "screen/SizeItem.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

TEST(SizeItem, TextIsColumnsByLinesAndFitsItsBuffer) {
    char text[SizeItemTextSize];
    SizeItemText(text, 80, 24);
    EXPECT_STREQ(text, "80x24");
    SizeItemText(text, 132, 60);
    EXPECT_STREQ(text, "132x60");
    SizeItemText(text, INT_MIN, INT_MIN);
    EXPECT_LT(std::strlen(text), sizeof text);
    EXPECT_EQ(std::string(text).substr(0, 3), "-21");
}

TEST(SizeItem, HelpTellsWhetherTheSizeFollowsTheWindow) {
    EXPECT_EQ(std::string(SizeHelpText(1)).rfind("This the logical size", 0), 0u);
    EXPECT_NE(std::string(SizeHelpText(1)).find("unchecking\n'SoftSize' in the 'Settings'menu."),
              std::string::npos);
    EXPECT_EQ(std::string(SizeHelpText(0)).rfind("This is the logical size", 0), 0u);
    EXPECT_NE(std::string(SizeHelpText(0)).find("check 'SoftSize'\nin the 'Settings' menu."),
              std::string::npos);
}

TEST(SizeItem, The80x24WindowHoldsItsCellsAndTheBarWhenWanted) {
    FrameMetrics m;
    m.cxFrame = 4;
    m.cyFrame = 5;
    m.cxVScroll = 17;
    m.cyMenu = 19;
    m.cyCaption = 23;
    FrameSize withBar = Size80x24(m, 8, 16, 1);
    EXPECT_EQ(withBar.width, 8 + 640 + 17);
    EXPECT_EQ(withBar.height, 10 + 19 + 23 + 384);
    EXPECT_EQ(Size80x24(m, 8, 16, 0).width, 8 + 640);
}
