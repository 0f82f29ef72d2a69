// The send queue: translation, the 256-byte limit, sending from idle work
// around a socket that would block, send errors, and local echo.
#include "FakeConnection.h"
#include "FakeWindow.h"

#include <gtest/gtest.h>

namespace {

class SendQueueTest : public ::testing::Test {
  protected:
    FakeConnection link;
    FakeWindow window;
    Session session{window};
    ReceivePath& receiver = session.receiver;
    SendQueue& queue = session.sendQueue;

    void SetUp() override { session.Link(&link); }

    void QueueText(const std::string& text) {
        for (char c : text)
            queue.QueueByte(static_cast<unsigned char>(c));
    }
};

TEST_F(SendQueueTest, QueuedBytesWaitForAFlushAndLeaveInOneSend) {
    QueueText("ls -l\r");
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    EXPECT_TRUE(link.sendSizes.empty());
    queue.FlushQueue();
    EXPECT_EQ(link.sent, "ls -l\r");
    EXPECT_EQ(link.sendSizes, std::vector<int>{6});
    EXPECT_FALSE(queue.IsSendBusy());
}

TEST_F(SendQueueTest, FlushOfAnEmptyQueueSendsNothing) {
    queue.FlushQueue();
    EXPECT_TRUE(link.sendSizes.empty());
    EXPECT_FALSE(queue.IsSendBusy());
}

TEST_F(SendQueueTest, CharactersAreEncodedByTheWindow) {
    window.twoByteHigh = 1;
    queue.QueueByte(0xE4);
    queue.QueueByte(0x90);
    queue.QueueByte('a');
    queue.FlushQueue();
    EXPECT_EQ(link.sent, Bytes({0xC3, 0xA4, 'a'}));
}

// A character of two bytes finds one byte of room: what waits is sent
// first; when the socket takes nothing, the character is dropped whole.
TEST_F(SendQueueTest, ACharacterIsNeverSplitAtTheEndOfTheQueue) {
    window.twoByteHigh = 1;
    QueueText(std::string(255, 'x'));
    queue.QueueByte(0xE4);
    queue.FlushQueue();
    EXPECT_EQ(link.sent, std::string(255, 'x') + "\xC3\xA4");

    link.sent.clear();
    link.sendScript = {0};
    QueueText(std::string(255, 'y'));
    queue.QueueByte(0xE4);
    link.sendScript = {};
    queue.Wake();
    queue.PumpSendQueue();
    EXPECT_EQ(link.sent, std::string(255, 'y'));
}

TEST_F(SendQueueTest, Byte255IsSentOnce) {
    queue.QueueByte(255);
    queue.FlushQueue();
    EXPECT_EQ(link.sent, Bytes({255}));
}

TEST_F(SendQueueTest, The256thByteStartsASend) {
    QueueText(std::string(255, 'x'));
    EXPECT_TRUE(link.sendSizes.empty());
    queue.QueueByte('y');
    EXPECT_EQ(link.sendSizes, std::vector<int>{256});
    EXPECT_EQ(link.sent, std::string(255, 'x') + "y");
}

TEST_F(SendQueueTest, ByteQueuedWhileAFullQueueWaitsIsDropped) {
    link.sendScript = {0};
    QueueText(std::string(256, 'x'));
    EXPECT_TRUE(queue.IsSendBusy());
    queue.QueueByte('z');
    session.SocketEvent();
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    EXPECT_EQ(link.sent, std::string(256, 'x'));
}

// A host that stops reading must not make the idle loop poll the socket:
// after a would-block the pump reports no work until a socket event.
TEST_F(SendQueueTest, AfterWouldBlockThePumpWaitsForTheSocketInsteadOfPolling) {
    link.sendScript = {0, 3, 0};
    QueueText("abcdefg");
    queue.FlushQueue();
    EXPECT_TRUE(queue.IsSendBusy());
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    EXPECT_EQ(link.sendSizes, std::vector<int>{7});
    session.SocketEvent();
    EXPECT_EQ(queue.PumpSendQueue(), 1); // 3 accepted, the rest may go at once
    EXPECT_EQ(queue.PumpSendQueue(), 0); // would block again
    EXPECT_EQ(link.sent, "abc");
    session.SocketEvent();
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    EXPECT_EQ(link.sent, "abcdefg");
    EXPECT_EQ(link.sendSizes, (std::vector<int>{7, 7, 4, 4}));
    EXPECT_FALSE(queue.IsSendBusy());
}

TEST_F(SendQueueTest, SendErrorReportsAndEmptiesTheQueue) {
    link.sendScript = {2, -1};
    QueueText("abcdef");
    queue.FlushQueue();
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    EXPECT_EQ(window.errors, std::vector<std::string>{"Send error"});
    EXPECT_FALSE(queue.IsSendBusy());
    QueueText("gh");
    queue.FlushQueue();
    EXPECT_EQ(link.sent, "abgh");
}

TEST_F(SendQueueTest, WithoutAConnectionFlushedBytesAreDiscarded) {
    link.connected = 0;
    QueueText("lost");
    queue.FlushQueue();
    EXPECT_FALSE(queue.IsSendBusy());
    link.connected = 1;
    QueueText("kept");
    queue.FlushQueue();
    EXPECT_EQ(link.sent, "kept");
    EXPECT_EQ(link.sendSizes, std::vector<int>{4});
}

TEST_F(SendQueueTest, UnlinkedWindowDiscardsTheQueue) {
    session.Link(nullptr);
    QueueText("abc");
    queue.FlushQueue();
    EXPECT_FALSE(queue.IsSendBusy());
    EXPECT_TRUE(link.sendSizes.empty());
}

TEST_F(SendQueueTest, ClearSendQueueDiscardsWaitingBytes) {
    link.sendScript = {0};
    QueueText("abc");
    queue.FlushQueue();
    queue.ClearSendQueue();
    EXPECT_FALSE(queue.IsSendBusy());
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    EXPECT_TRUE(link.sent.empty());
}

TEST_F(SendQueueTest, SendStringSendsTheTextAsOnePiece) {
    queue.SendString("paste me\r");
    EXPECT_EQ(link.sent, "paste me\r");
    EXPECT_EQ(link.sendSizes, std::vector<int>{9});
    EXPECT_EQ(queue.SendQueueCapacity(), 256);
}

TEST_F(SendQueueTest, SendStringWhileBusySendsNothing) {
    link.sendScript = {0, 0};
    queue.QueueByte('k');
    queue.FlushQueue();
    queue.SendString("text");
    EXPECT_EQ(link.sendSizes.size(), 2u); // one retry of the waiting byte, nothing more
    session.SocketEvent();
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    EXPECT_EQ(link.sent, "k");
}

TEST_F(SendQueueTest, SendStringLongerThanABlockedQueueLosesTheRest) {
    link.sendScript = {0, 0};
    queue.SendString(std::string(300, 'q').c_str());
    EXPECT_TRUE(queue.IsSendBusy());
    session.SocketEvent();
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    EXPECT_EQ(link.sent, std::string(256, 'q'));
}

class LocalEchoTest : public SendQueueTest {
  protected:
    void SetUp() override {
        SendQueueTest::SetUp();
        window.localEcho = 1;
    }
};

TEST_F(LocalEchoTest, AcceptedBytesAreShownBeforeTheHostsData) {
    link.receiveScript = {"HOST"};
    QueueText("typed");
    queue.FlushQueue();
    EXPECT_TRUE(receiver.DataReady());
    EXPECT_EQ(receiver.PumpReceive(), 1);
    EXPECT_EQ(window.shown, std::vector<std::string>{"typedHOST"});
    EXPECT_EQ(link.receiveSizes, (std::vector<int>{ReceivePath::ReceiveBufferSize - 5,
                                                   ReceivePath::ReceiveBufferSize}));
}

TEST_F(LocalEchoTest, OnlyAcceptedBytesAreEchoedInOrder) {
    link.sendScript = {2, 0, 3};
    QueueText("abcde");
    queue.FlushQueue();
    EXPECT_EQ(receiver.EchoCount(), 2);
    EXPECT_EQ(queue.PumpSendQueue(), 1); // the echo "ab" waits to be shown
    EXPECT_EQ(link.sendSizes.size(), 1u);
    receiver.PumpReceive();
    EXPECT_EQ(queue.PumpSendQueue(), 0); // would block: nothing echoed
    EXPECT_EQ(receiver.EchoCount(), 0);
    session.SocketEvent();
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    receiver.PumpReceive();
    EXPECT_EQ(window.AllShown(), "abcde");
    EXPECT_EQ(link.sent, "abcde");
}

TEST_F(LocalEchoTest, NothingIsEchoedWithoutAConnection) {
    link.connected = 0;
    QueueText("abc");
    queue.FlushQueue();
    EXPECT_EQ(receiver.EchoCount(), 0);
    EXPECT_FALSE(receiver.DataReady());
}

TEST_F(LocalEchoTest, EchoBytesSkipTheTelnetEngine) {
    queue.QueueByte(255);
    queue.QueueByte(251);
    queue.QueueByte(1);
    queue.FlushQueue();
    receiver.PumpReceive();
    EXPECT_EQ(window.shown, std::vector<std::string>{Bytes({255, 251, 1})});
    EXPECT_TRUE(link.writes.empty());
}

TEST_F(LocalEchoTest, WhileHeldOneEchoWaitsAndSendingPausesWithoutPolling) {
    session.hold.RequestHold();
    QueueText("abc");
    queue.FlushQueue();
    EXPECT_EQ(receiver.EchoCount(), 3);
    QueueText("de");
    queue.FlushQueue();
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    EXPECT_EQ(link.sent, "abc");
    EXPECT_EQ(receiver.PumpReceive(), 0);
    session.hold.Resume();
    EXPECT_EQ(receiver.PumpReceive(), 1);
    EXPECT_EQ(queue.PumpSendQueue(), 0);
    receiver.PumpReceive();
    EXPECT_EQ(window.shown, (std::vector<std::string>{"abc", "de"}));
}

TEST_F(LocalEchoTest, EchoPlacedBeforeEchoWasSwitchedOffIsStillShownOnce) {
    QueueText("ab");
    queue.FlushQueue();
    window.localEcho = 0;
    link.receiveScript = {"xy"};
    receiver.PumpReceive();
    receiver.PumpReceive();
    EXPECT_EQ(window.AllShown(), "abxy");
}

} // namespace
