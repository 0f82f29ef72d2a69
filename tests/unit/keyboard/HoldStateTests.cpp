#include "keyboard/KeyPipeline.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HoldState, ABlockReceivedWhileHeldIsShownWhenTheHoldEnds) {
    KeyPipeline road;
    road.hold.SetHold(1);
    EXPECT_EQ(road.receiver.DisplayReceived("waiting", 7), 0);
    EXPECT_EQ(road.receiveWindow.shown, "");
    EXPECT_EQ(road.hold.DeferredCount(), 7);
    road.hold.SetHold(0);
    EXPECT_EQ(road.receiveWindow.shown, "waiting");
    EXPECT_EQ(road.hold.DeferredCount(), 0);
    EXPECT_EQ(road.receiver.DataReady(), 1);
}

TEST(HoldState, TheDeferredBlockIsACopyThatLaterWritesToTheSourceCannotChange) {
    KeyPipeline road;
    road.hold.SetHold(1);
    char source[] = "first";
    road.receiver.DisplayReceived(source, 5);
    source[0] = 'X';
    road.hold.SetHold(0);
    EXPECT_EQ(road.receiveWindow.shown, "first");
}

TEST(HoldState, EndingAHoldWithNothingWaitingOnlyResumesReading) {
    KeyPipeline road;
    road.hold.SetHold(1);
    road.hold.SetHold(0);
    EXPECT_EQ(road.receiveWindow.shown, "");
    EXPECT_EQ(road.receiver.DataReady(), 1);
    road.hold.SetHold(0);
    EXPECT_EQ(road.receiveWindow.shown, "");
}

TEST(HoldState, DeferredDataNeverOutgrowsItsStoreAndIsShownOnce) {
    KeyPipeline road;
    road.hold.SetHold(1);
    std::string big(HoldState::DeferredCapacity - 24, 'a');
    EXPECT_EQ(road.hold.DeferReceived(big.data(), static_cast<int>(big.size())),
              static_cast<int>(big.size()));
    std::string more(100, 'b');
    EXPECT_EQ(road.hold.DeferReceived(more.data(), 100), 24);
    EXPECT_EQ(road.hold.DeferReceived(more.data(), 10), 0);
    EXPECT_EQ(road.hold.DeferReceived(more.data(), -5), 0);
    road.hold.SetHold(0);
    EXPECT_EQ(road.receiveWindow.shown, big + std::string(24, 'b'));
    road.hold.SetHold(1);
    road.hold.SetHold(0);
    EXPECT_EQ(road.receiveWindow.shown.size(), static_cast<size_t>(HoldState::DeferredCapacity));
}

} // namespace
