#pragma once

// What the receive path needs from the terminal window. The defaults do
// nothing, so a test overrides only what it watches.
class ReceiveWindow {
  public:
    virtual ~ReceiveWindow() = default;

    // Writes received bytes to the log (all-bytes policy) and hands them to
    // the emulator.
    virtual void ProcessReceived(const char*, int) {}
    // Turns the emulator's recorded changes into repaints and places the
    // caret; called after the blocks of one pump pass have been shown.
    virtual void ShowChanges() {}
    // A millisecond clock for pacing the window updates; it may wrap.
    virtual unsigned Milliseconds() { return 0; }
    // The host connection has ended: the window asks what to do next.
    virtual void PostDisconnected() {}
};
