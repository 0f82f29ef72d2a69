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
    // caret; called once per block shown.
    virtual void ShowChanges() {}
    // The host connection has ended: the window asks what to do next.
    virtual void PostDisconnected() {}
};
