#pragma once

// Where the key queue delivers what it takes: the session's send queue for
// bytes, its hold for the hold and resume requests, and its connection for
// the break signal. The defaults do nothing, so that a test overrides only
// what it watches.
class KeySink {
  public:
    virtual ~KeySink() = default;

    // Whether the send queue still sends an earlier flush; keys wait.
    virtual int IsSendBusy() { return 0; }
    // Translates and queues one byte to send.
    virtual void QueueByte(unsigned char) {}
    // Starts sending what is queued.
    virtual void FlushQueue() {}
    // Whether received output is held: typed keys are then discarded.
    virtual int IsHeld() { return 0; }
    // The hold-on and hold-off requests of the keyboard.
    virtual void RequestHold() {}
    virtual void RequestResume() {}
    // The break signal starts on a connected host (1) or not at all (0),
    // and later ends.
    virtual int BeginBreak() { return 0; }
    virtual void EndBreak() {}
};
