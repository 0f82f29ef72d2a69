#pragma once

// The blink phase of blinking text. Drawing the first blinking run asks the
// window to start its blink timer; each tick flips the phase and redraws
// the blinking runs, and a tick that finds none stops the timer, so the
// timer runs only while blinking text is on the screen.
class BlinkState {
  public:
    // A blinking run was drawn outside a blink pass. 1 when the window must
    // be asked to start blinking (the first such run since the last pass).
    int BlinkingRunDrawn();
    // The request to start arrived: 1 when the timer must be started now
    // (it is not running yet). Started tells whether it could be.
    int StartWanted() const { return !timerOn; }
    void Started(int ok);
    // A timer tick: 1 when a blink pass must draw the phase Hidden() now;
    // in scroll-back mode the tick does nothing.
    int Tick(int scrollBackMode);
    // A blink pass drew count blinking runs: 1 when the running timer must
    // stop because there were none.
    int PassDrawn(int count);
    // Shows blinking text again, as scroll-back mode needs: 1 when it was
    // hidden and must be redrawn shown.
    int Reveal();

    int Hidden() const { return hidden; }
    int TimerOn() const { return timerOn; }

  private:
    int seen = 0;    // blinking runs met since the last pass
    int timerOn = 0; // the blink timer runs
    int hidden = 0;  // blinking text is hidden in this phase
};
