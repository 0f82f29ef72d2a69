// The receive pump and the display path: reading in blocks of the receive buffer,
// the end of a connection, hold, and lines shown locally.
#include "FakeConnection.h"
#include "FakeWindow.h"

#include <gtest/gtest.h>

namespace {

constexpr int Size = ReceivePath::ReceiveBufferSize;

class ReceivePathTest : public ::testing::Test {
  protected:
    FakeConnection link;
    FakeWindow window;
    Session session{window};
    ReceivePath& receiver = session.receiver;

    void SetUp() override {
        session.Link(&link);
        receiver.MarkDataReady();
    }
};

TEST_F(ReceivePathTest, ReceivedBlockIsShownAndTheScreenUpdatedWhenTheReadsRunDry) {
    link.receiveScript = {"hello"};
    EXPECT_EQ(receiver.PumpReceive(), 1);
    EXPECT_EQ(window.shown, std::vector<std::string>{"hello"});
    EXPECT_EQ(window.changesShown, 1);
    EXPECT_FALSE(receiver.DataReady());
    EXPECT_EQ(link.receiveSizes, (std::vector<int>{Size, Size}));
}

TEST_F(ReceivePathTest, EmptyReadStopsThePumpUntilTheNextNotification) {
    EXPECT_EQ(receiver.PumpReceive(), 0);
    EXPECT_FALSE(receiver.DataReady());
    EXPECT_EQ(receiver.PumpReceive(), 0);
    EXPECT_EQ(link.receiveSizes.size(), 1u);
    EXPECT_TRUE(window.shown.empty());
    EXPECT_EQ(window.changesShown, 0);
}

TEST_F(ReceivePathTest, ReadOfOnlyTelnetCommandsShowsNothing) {
    link.receiveScript = {Bytes({255, 253, 24, 255, 251, 1})};
    EXPECT_EQ(receiver.PumpReceive(), 0);
    EXPECT_FALSE(receiver.DataReady());
    EXPECT_TRUE(window.shown.empty());
    EXPECT_EQ(link.writes, std::vector<std::string>{Bytes({255, 251, 24})});
}

TEST_F(ReceivePathTest, BurstIsShownInBlocksOfTheBufferAndOneUpdateWhenItEndsQuickly) {
    std::string burst(2 * Size + 952, 'b');
    burst[Size + 500] = 'm';
    link.receiveScript = {burst};
    EXPECT_EQ(receiver.PumpReceive(), 1);
    EXPECT_EQ(receiver.PumpReceive(), 0);
    ASSERT_EQ(window.shown.size(), 3u);
    EXPECT_EQ(window.shown[0].size(), static_cast<size_t>(Size));
    EXPECT_EQ(window.shown[2].size(), 952u);
    EXPECT_EQ(window.AllShown(), burst);
    EXPECT_EQ(window.changesShown, 1);
}

// Blocks that keep arriving are shown one after the other, with a window
// update (and a return to the message loop) once 20 ms have passed.
TEST_F(ReceivePathTest, UpdatesComeAtTheScreensPaceWhileDataKeepsArriving) {
    window.tick = 7;
    link.receiveScript = {std::string(4 * Size + 100, 'x')};
    EXPECT_EQ(receiver.PumpReceive(), 1);
    EXPECT_EQ(window.shown.size(), 3u);
    EXPECT_EQ(window.changesShown, 1);
    EXPECT_TRUE(receiver.DataReady());
    EXPECT_EQ(receiver.PumpReceive(), 1);
    EXPECT_EQ(window.shown.size(), 5u);
    EXPECT_EQ(window.changesShown, 2);
    EXPECT_FALSE(receiver.DataReady());
}

TEST_F(ReceivePathTest, ClockThatWrapsStillEndsThePass) {
    window.now = 0xFFFFFFF0u;
    window.tick = 15;
    link.receiveScript = {std::string(4 * Size + 100, 'x')};
    receiver.PumpReceive();
    EXPECT_EQ(window.shown.size(), 2u);
}

TEST_F(ReceivePathTest, EndedConnectionPostsDisconnectedOnce) {
    link.receiveScript = {"last", FakeConnection::EndMark()};
    EXPECT_EQ(receiver.PumpReceive(), 1);
    EXPECT_EQ(receiver.PumpReceive(), 0);
    EXPECT_EQ(window.disconnects, 1);
    EXPECT_FALSE(receiver.DataReady());
    EXPECT_EQ(receiver.PumpReceive(), 0);
    EXPECT_EQ(window.disconnects, 1);
    EXPECT_EQ(window.shown, std::vector<std::string>{"last"});
}

TEST_F(ReceivePathTest, EndedConnectionDropsWaitingEcho) {
    receiver.PlaceEcho("ab", 2);
    link.receiveScript = {FakeConnection::EndMark(), "later"};
    EXPECT_EQ(receiver.PumpReceive(), 0);
    EXPECT_EQ(receiver.EchoCount(), 0);
    receiver.MarkDataReady();
    receiver.PumpReceive();
    EXPECT_EQ(window.shown, std::vector<std::string>{"later"});
}

TEST_F(ReceivePathTest, NothingIsReadBeforeTheWindowIsLinked) {
    FakeWindow other;
    Session otherSession{other};
    ReceivePath& unlinked = otherSession.receiver;
    unlinked.MarkDataReady();
    EXPECT_EQ(unlinked.PumpReceive(), 0);
    EXPECT_EQ(unlinked.EchoRoom(), 0);
}

TEST_F(ReceivePathTest, NothingIsReadWhileHeld) {
    session.hold.RequestHold();
    link.receiveScript = {"data"};
    EXPECT_EQ(receiver.PumpReceive(), 0);
    EXPECT_TRUE(link.receiveSizes.empty());
    EXPECT_TRUE(receiver.DataReady());
    session.hold.Resume();
    EXPECT_EQ(receiver.PumpReceive(), 1);
    EXPECT_EQ(window.shown, std::vector<std::string>{"data"});
}

TEST_F(ReceivePathTest, DisplayWhileHeldDefersTheBlock) {
    session.hold.EnterScrollBack();
    EXPECT_EQ(receiver.DisplayReceived("later", 5), 0);
    EXPECT_EQ(receiver.DeferredCount(), 5);
    EXPECT_TRUE(window.shown.empty());
    session.hold.LeaveScrollBack();
    EXPECT_EQ(receiver.DisplayReceived("now", 3), 1);
    EXPECT_EQ(window.shown, (std::vector<std::string>{"later", "now"}));

    // What the store cannot take is dropped; the hold's end shows the rest once.
    window.shown.clear();
    session.hold.EnterScrollBack();
    std::string most(ReceivePath::DeferredCapacity - 2, 'm');
    receiver.DisplayReceived(most.data(), static_cast<int>(most.size()));
    receiver.DisplayReceived("xyz", 3);
    EXPECT_EQ(receiver.DeferredCount(), ReceivePath::DeferredCapacity);
    session.hold.LeaveScrollBack();
    receiver.ReleaseDeferred();
    EXPECT_EQ(window.shown, std::vector<std::string>{most + "xy"});
}

// The end of a hold shows the deferred data outside the pump; its next pass
// updates the window even when the read yields nothing.
TEST_F(ReceivePathTest, BlockShownOutsideThePumpIsUpdatedOnItsNextPass) {
    receiver.DisplayReceived("deferred", 8);
    EXPECT_EQ(window.changesShown, 0);
    EXPECT_EQ(receiver.PumpReceive(), 0);
    EXPECT_EQ(window.changesShown, 1);
    receiver.PumpReceive();
    EXPECT_EQ(window.changesShown, 1);
}

TEST_F(ReceivePathTest, LocalLineIsShownEvenWhileHeld) {
    session.hold.RequestHold();
    receiver.ShowLocalLine("Using WSOCK32.DLL");
    EXPECT_EQ(window.AllShown(), "Using WSOCK32.DLL\r\n");
    EXPECT_EQ(window.changesShown, 1);
    EXPECT_EQ(receiver.DeferredCount(), 0);
    EXPECT_EQ(session.hold.IsHeld(), 1);
}

TEST_F(ReceivePathTest, EchoRoomIsTheWholeBufferOnlyWhenItIsFree) {
    EXPECT_EQ(receiver.EchoRoom(), Size);
    receiver.PlaceEcho("x", 1);
    EXPECT_EQ(receiver.EchoRoom(), 0);
    receiver.PumpReceive();
    EXPECT_EQ(receiver.EchoRoom(), Size);
}

TEST(ConnectionTest, DefaultsDoNothing) {
    Connection first;
    char buffer[4] = {};
    EXPECT_EQ(first.Open(nullptr, "lumo.ini", nullptr), 0);
    EXPECT_EQ(first.Connect("host", 23), 0);
    EXPECT_EQ(first.Send("ab", 2), 0);
    EXPECT_EQ(first.Receive(buffer, 4), 0);
    EXPECT_EQ(first.connected, 0);
}

} // namespace
