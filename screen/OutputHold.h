#pragma once

// Whether received output is held, and why: the user asked for hold from the
// keyboard, or the window shows history (scroll-back mode). Every change
// reaches one listener, with the flags as they were before it.
struct HoldFlags {
    int hold = 0;           // received data waits instead of being shown
    int holdRequested = 0;  // the user asked for hold
    int scrollBackMode = 0; // the window shows history
};

class HoldListener {
  public:
    virtual ~HoldListener() = default;
    virtual void HoldChanged(const HoldFlags& before) = 0;
};

class OutputHold {
  public:
    explicit OutputHold(HoldListener& listener) : listener(listener) {}
    OutputHold(const OutputHold&) = delete;
    OutputHold& operator=(const OutputHold&) = delete;

    int IsHeld() const { return flags.hold; }
    int HoldRequested() const { return flags.holdRequested; }
    int ScrollBackMode() const { return flags.scrollBackMode; }

    // The user's hold: output is held until Resume.
    void RequestHold();
    // Forgets the user's hold; output resumes unless the window shows
    // history, which holds it until LeaveScrollBack.
    void Resume();
    // Scroll-back mode holds output while it lasts; leaving it keeps the
    // hold only when the user asked for one.
    void EnterScrollBack();
    void LeaveScrollBack();

  private:
    void Change(const HoldFlags& next);

    HoldListener& listener;
    HoldFlags flags;
};
