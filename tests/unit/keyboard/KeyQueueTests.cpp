#include "keyboard/KeyCodeMatchers.h"
#include "keyboard/KeyPipeline.h"
#include "keyboard/KeyTranslation.h"

#include <gtest/gtest.h>

namespace {

void EnqueueAll(KeyQueue& keys, const std::vector<KeyCode>& codes) {
    for (KeyCode code : codes)
        keys.Enqueue(code);
}

TEST(KeyQueueRing, HoldsAtMost255CodesAndBeepsForEachDroppedOne) {
    KeyPipeline road;
    for (int i = 0; i < 300; ++i)
        road.keys.Enqueue('a' + i % 26);
    EXPECT_EQ(road.keys.Count(), 255);
    EXPECT_EQ(road.window.beeps, 45);
    EXPECT_EQ(road.keys.Enqueue('z'), 0);
    road.keys.PumpKeys();
    std::string expected;
    for (int i = 0; i < 255; ++i)
        expected += static_cast<char>('a' + i % 26);
    EXPECT_EQ(road.Sent(), expected);
    EXPECT_TRUE(road.keys.IsEmpty());
}

TEST(KeyQueueRing, KeepsOrderAcrossTheWrapOfItsIndexes) {
    KeyPipeline road;
    std::string expected;
    for (int round = 0; round < 5; ++round) {
        for (int i = 0; i < 200; ++i)
            road.keys.Enqueue('A' + (round + i) % 26);
        for (int i = 0; i < 200; ++i)
            expected += static_cast<char>('A' + (round + i) % 26);
        road.keys.PumpKeys();
    }
    EXPECT_EQ(road.Sent(), expected);
    EXPECT_EQ(road.window.beeps, 0);
}

// The read index wraps from the last slot to the first: a pause taken from
// the last slot leaves the ring empty, with room for 255 codes again.
TEST(KeyQueueRing, ReadIndexWrapsFromTheLastSlot) {
    KeyPipeline road;
    for (int i = 0; i < KeyQueue::Size - 1; ++i)
        road.keys.Enqueue('a');
    road.keys.PumpKeys();
    road.keys.Enqueue(PauseMarkerFor(1));
    road.keys.PumpKeys();
    EXPECT_TRUE(road.keys.PauseActive());
    EXPECT_TRUE(road.keys.IsEmpty());
    EXPECT_EQ(road.keys.Count(), 0);
    std::string typed;
    for (int i = 0; i < KeyQueue::Size; ++i) {
        typed += static_cast<char>('A' + i % 26);
        road.keys.Enqueue('A' + i % 26);
    }
    EXPECT_EQ(road.keys.Count(), KeyQueue::Size - 1);
    EXPECT_EQ(road.window.beeps, 1);
    road.keys.PauseTimerFired();
    EXPECT_EQ(road.Sent(),
              std::string(KeyQueue::Size - 1, 'a') + typed.substr(0, KeyQueue::Size - 1));
    EXPECT_TRUE(road.keys.IsEmpty());
}

TEST(KeyQueuePump, ABurstOfKeysLeavesInOneSendAndEnqueueStringQueuesEachByte) {
    KeyPipeline road;
    road.keys.EnqueueString("login\r");
    road.keys.PumpKeys();
    EXPECT_EQ(road.Sent(), "login\r");
    EXPECT_EQ(road.connection.sends, 1);
}

TEST(KeyQueuePump, ABusySendQueueKeepsTheRestOfTheKeysWaiting) {
    KeyPipeline road;
    road.connection.acceptLimit = 0;
    road.keys.EnqueueString("ab");
    road.keys.PumpKeys();
    road.keys.EnqueueString("cd");
    road.keys.PumpKeys();
    EXPECT_EQ(road.keys.Count(), 2);
    road.connection.acceptLimit = -1;
    road.session.SocketEvent();
    road.sendQueue.PumpSendQueue();
    road.keys.PumpKeys();
    EXPECT_EQ(road.Sent(), "abcd");
}

TEST(KeyQueuePump, XoffAndXonAreSentAndDoNotHoldTheDisplay) {
    KeyPipeline road;
    EnqueueAll(road.keys, {19, 17});
    road.keys.PumpKeys();
    EXPECT_EQ(road.Sent(), "\x13\x11");
    EXPECT_EQ(road.hold.IsHeld(), 0);
    EXPECT_EQ(road.session.holdRequests, 0);
}

TEST(KeyQueuePump, WithoutAConnectionTypedKeysAreDiscarded) {
    KeyPipeline road;
    road.connection.connected = 0;
    road.keys.EnqueueString("lost");
    road.keys.PumpKeys();
    EXPECT_EQ(road.Sent(), "");
    EXPECT_TRUE(road.keys.IsEmpty());
    EXPECT_EQ(road.sendQueue.IsSendBusy(), 0);
}

TEST(KeyQueueNational, TypedLettersGoOutThroughTheKeyTableAndSequencesPassUnchanged) {
    KeyPipeline road;
    unsigned char keyTable[256] = {};
    for (int c = 0; c < 128; ++c)
        keyTable[c] = static_cast<unsigned char>(c);
    keyTable[0xc4] = '['; // the Finnish set sends A-umlaut as left bracket
    keyTable[0xe4] = '{';
    road.sessionWindow.keyTable = keyTable;
    KeyContext context;
    EnqueueAll(road.keys, Codes(TranslateChar(0xc4, KeyData(40), context)));
    EnqueueAll(road.keys, Codes(TranslateChar(0xe4, KeyData(40), context)));
    EnqueueAll(road.keys, Codes(TranslateKeyDown(38, KeyData(72, true), context)));
    EnqueueAll(road.keys, Codes(TranslateChar(0xe9, KeyData(18), context)));
    road.keys.PumpKeys();
    EXPECT_EQ(road.Sent(), std::string("[{\x1b[A") + '\0');
}

TEST(KeyQueuePause, CodesAfterAPauseWaitForItsTimerAndTypingFollowsThem) {
    KeyPipeline road;
    road.keys.EnqueueString("ab");
    road.keys.Enqueue(PauseMarkerFor(3));
    road.keys.EnqueueString("cd");
    road.keys.PumpKeys();
    EXPECT_EQ(road.Sent(), "ab");
    ASSERT_EQ(road.window.started.size(), 1u);
    EXPECT_EQ(road.window.started[0], std::make_pair(KeyTimer::Pause, 3000));
    EXPECT_EQ(road.keys.PauseActive(), 1);
    road.keys.Enqueue('x');
    road.keys.PumpKeys();
    EXPECT_EQ(road.Sent(), "ab");
    road.keys.PauseTimerFired();
    EXPECT_EQ(road.Sent(), "abcdx");
    EXPECT_EQ(road.window.stopped, std::vector<KeyTimer>{KeyTimer::Pause});
    EXPECT_EQ(road.keys.PauseActive(), 0);
}

TEST(KeyQueuePause, EachDigitGivesItsOwnLengthAndAFailedTimerSkipsThePause) {
    KeyPipeline road;
    road.keys.Enqueue(PauseMarkerFor(9));
    road.keys.PumpKeys();
    EXPECT_EQ(road.window.started.back().second, 9000);
    road.keys.PauseTimerFired();
    road.window.timersWork = 0;
    road.keys.EnqueueString("a");
    road.keys.Enqueue(PauseMarkerFor(1));
    road.keys.EnqueueString("b");
    road.keys.PumpKeys();
    EXPECT_EQ(road.window.started.back().second, 1000);
    EXPECT_EQ(road.keys.PauseActive(), 0);
    EXPECT_EQ(road.Sent(), "ab");
}

TEST(KeyQueueHold, HoldMarkerRequestsHoldAndLaterKeysAreDiscarded) {
    KeyPipeline road;
    road.keys.EnqueueString("a");
    road.keys.Enqueue(HoldMarker);
    road.keys.EnqueueString("bc");
    road.keys.Enqueue(BreakMarker);
    road.keys.Enqueue(PauseMarkerFor(2));
    road.keys.PumpKeys();
    EXPECT_EQ(road.Sent(), "a");
    EXPECT_EQ(road.session.holdRequests, 1);
    EXPECT_EQ(road.hold.IsHeld(), 1);
    EXPECT_TRUE(road.window.started.empty());
    EXPECT_TRUE(road.keys.IsEmpty());
}

TEST(KeyQueueHold, OnlyTheResumeMarkerGetsThroughAndKeysAfterItAreSent) {
    KeyPipeline road;
    road.hold.RequestHold();
    road.keys.EnqueueString("abc");
    road.keys.Enqueue(HoldMarker);
    road.keys.Enqueue(ResumeMarker);
    road.keys.EnqueueString("d");
    road.keys.PumpKeys();
    EXPECT_EQ(road.session.resumeRequests, 1);
    EXPECT_EQ(road.session.holdRequests, 0);
    EXPECT_EQ(road.Sent(), "d");
}

TEST(KeyQueueHold, ResumeWithoutHoldDoesNothing) {
    KeyPipeline road;
    road.keys.Enqueue(ResumeMarker);
    road.keys.EnqueueString("x");
    road.keys.PumpKeys();
    EXPECT_EQ(road.session.resumeRequests, 0);
    EXPECT_EQ(road.Sent(), "x");
}

TEST(KeyQueueBreak, BreakFlushesEarlierKeysThenRunsForItsTimer) {
    KeyPipeline road;
    road.keys.EnqueueString("ab");
    road.keys.Enqueue(BreakMarker);
    road.keys.EnqueueString("c");
    road.keys.PumpKeys();
    EXPECT_EQ(road.Sent(), "ab<BREAK>c");
    ASSERT_EQ(road.window.started.size(), 1u);
    EXPECT_EQ(road.window.started[0], std::make_pair(KeyTimer::Break, BreakMilliseconds));
    road.keys.BreakTimerFired();
    EXPECT_EQ(road.Sent(), "ab<BREAK>c<END>");
    EXPECT_EQ(road.window.stopped, std::vector<KeyTimer>{KeyTimer::Break});
}

TEST(KeyQueueBreak, NoBreakWithoutAConnectedHost) {
    KeyPipeline road;
    road.connection.connected = 0;
    road.keys.Enqueue(BreakMarker);
    road.keys.PumpKeys();
    road.session.Link(nullptr);
    road.keys.Enqueue(BreakMarker);
    road.keys.PumpKeys();
    EXPECT_EQ(road.Sent(), "");
    EXPECT_TRUE(road.window.started.empty());
}

} // namespace
