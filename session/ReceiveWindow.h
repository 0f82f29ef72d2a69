#pragma once

// What the receive path needs from the terminal window. The defaults do
// nothing, so a test overrides only what it watches.
class ReceiveWindow {
  public:
    virtual ~ReceiveWindow() = default;

    // Whether received output is held (scroll lock or scroll-back mode).
    virtual int IsHeld() { return 0; }
    // Keeps a block that arrived while output is held (the deferred data);
    // the hold's end shows it with DisplayReceived. The bytes must be
    // copied: they lie in the receive buffer, which local echo and later
    // reads reuse.
    virtual void DeferReceived(const char*, int) {}
    // Writes received bytes to the log (all-bytes policy) and hands them to
    // the emulator.
    virtual void ProcessReceived(const char*, int) {}
    // Turns the emulator's recorded changes into repaints and places the
    // caret; called once per block shown.
    virtual void ShowChanges() {}
    // Posts UM_DISCONNECTED: the host connection has ended.
    virtual void PostDisconnected() {}
};
