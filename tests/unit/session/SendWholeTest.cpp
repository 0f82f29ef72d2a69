// Writing a whole block through Send: partial acceptance, errors, and the
// limit on a socket that keeps answering would-block.
#include "FakeConnection.h"

#include "session/SendWhole.h"

#include <gtest/gtest.h>

namespace {

TEST(SendWholeTest, PartialAcceptsAndWouldBlocksStillDeliverTheWholeBlockInOrder) {
    FakeConnection link;
    link.sendScript = {2, 0, 0, 3, 0, 10};
    EXPECT_EQ(SendWhole(link, "abcdefgh", 8, 5), 8);
    EXPECT_EQ(link.sent, "abcdefgh");
    EXPECT_EQ(link.sendSizes, (std::vector<int>{8, 6, 6, 6, 3, 3}));
}

TEST(SendWholeTest, ErrorAbandonsTheRest) {
    FakeConnection link;
    link.sendScript = {3, -1};
    EXPECT_EQ(SendWhole(link, "abcdefgh", 8, 5), 3);
    EXPECT_EQ(link.sendSizes.size(), 2u);
}

TEST(SendWholeTest, GivesUpAfterTooManyWouldBlocksInARow) {
    FakeConnection link;
    // Progress between stalls resets the count; four in a row exceed three.
    link.sendScript = {0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(SendWhole(link, "abc", 3, 3), 1);
    EXPECT_EQ(link.sendSizes.size(), 8u);
    EXPECT_EQ(link.sent, "a");
}

TEST(SendWholeTest, EmptyBlockMakesNoSend) {
    FakeConnection link;
    EXPECT_EQ(SendWhole(link, "", 0, 3), 0);
    EXPECT_TRUE(link.sendSizes.empty());
}

} // namespace
