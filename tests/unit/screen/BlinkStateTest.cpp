#include "screen/BlinkState.h"

#include <gtest/gtest.h>

namespace {

// Draws a blinking run and delivers the start request as the window would.
void DrawBlinkingRun(BlinkState& blink, int timerStarts = 1) {
    if (blink.BlinkingRunDrawn() && blink.StartWanted()) blink.Started(timerStarts);
}

} // namespace

TEST(Blinking, TheFirstBlinkingRunStartsTheTimerOnce) {
    BlinkState blink;
    EXPECT_EQ(blink.BlinkingRunDrawn(), 1);
    EXPECT_EQ(blink.BlinkingRunDrawn(), 0);
    EXPECT_EQ(blink.StartWanted(), 1);
    blink.Started(1);
    EXPECT_EQ(blink.TimerOn(), 1);
    EXPECT_EQ(blink.Hidden(), 0);
    EXPECT_EQ(blink.StartWanted(), 0); // a second request finds it running
}

TEST(Blinking, TicksAlternateThePhaseWhileBlinkingTextRemains) {
    BlinkState blink;
    DrawBlinkingRun(blink);
    for (int tick = 1; tick <= 4; ++tick) {
        ASSERT_EQ(blink.Tick(0), 1);
        EXPECT_EQ(blink.Hidden(), tick % 2);
        EXPECT_EQ(blink.PassDrawn(2), 0);
        EXPECT_EQ(blink.BlinkingRunDrawn(), 0) << "runs counted by the pass ask nothing";
    }
}

TEST(Blinking, APassThatFindsNoBlinkingTextStopsTheTimerAndRearms) {
    BlinkState blink;
    DrawBlinkingRun(blink);
    blink.Tick(0);
    EXPECT_EQ(blink.PassDrawn(0), 1); // the word was overwritten with plain text
    EXPECT_EQ(blink.TimerOn(), 0);
    EXPECT_EQ(blink.PassDrawn(0), 0); // nothing left to stop
    EXPECT_EQ(blink.Tick(0), 0);
    EXPECT_EQ(blink.BlinkingRunDrawn(), 1); // new blinking text starts it again
    blink.Started(1);
    EXPECT_EQ(blink.TimerOn(), 1);
    EXPECT_EQ(blink.Hidden(), 0);
}

TEST(Blinking, ScrollBackModeFreezesThePhaseAndRevealsHiddenText) {
    BlinkState blink;
    DrawBlinkingRun(blink);
    blink.Tick(0);
    ASSERT_EQ(blink.Hidden(), 1);
    EXPECT_EQ(blink.Reveal(), 1);
    EXPECT_EQ(blink.Hidden(), 0);
    EXPECT_EQ(blink.Reveal(), 0);
    EXPECT_EQ(blink.Tick(1), 0);
    EXPECT_EQ(blink.Hidden(), 0);
}

TEST(Blinking, ATimerThatCannotStartIsAskedForAgain) {
    BlinkState blink;
    DrawBlinkingRun(blink, 0);
    EXPECT_EQ(blink.TimerOn(), 0);
    EXPECT_EQ(blink.BlinkingRunDrawn(), 1);
}
