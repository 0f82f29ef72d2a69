#include "settings/BoundedText.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(BoundedText, CopyAndAppendNeverPassTheBuffer) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(CopyText(buffer, 5, "abcdefgh"), 4);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(buffer[5], 'x');
    EXPECT_EQ(CopyText(buffer, 5, "ab"), 2);
    EXPECT_EQ(AppendText(buffer, 5, "cdef"), 4);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(AppendText(buffer, 5, "more"), 4);
    EXPECT_EQ(CopyText(buffer, 0, "ab"), 0);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(CopyText(buffer, 5, nullptr), 0);
    EXPECT_STREQ(buffer, "");
}

TEST(BoundedText, FittingLengthCountsTheTerminator) {
    EXPECT_EQ(FittingLength("abc", 4), 3);
    EXPECT_EQ(FittingLength("abcd", 4), -1);
    EXPECT_EQ(FittingLength("", 1), 0);
}

TEST(BoundedText, UpperCaseFollowsTheAnsiCharacterSet) {
    char text[] = "host-a\xe4\xf6\xfe\xff\x9a\x9c\x9e\xf7\xdf\xb5~";
    UpperCaseAnsi(text);
    EXPECT_STREQ(text, "HOST-A\xc4\xd6\xde\x9f\x8a\x8c\x8e\xf7\xdf\xb5~");
}

TEST(BoundedText, TrimTrailingBlanksLeavesLeadingOnes) {
    char text[] = "  face \t ";
    TrimTrailingBlanks(text);
    EXPECT_STREQ(text, "  face");
    char blank[] = " \t";
    TrimTrailingBlanks(blank);
    EXPECT_STREQ(blank, "");
}
