#pragma once

#include "session/ReceivePath.h"

// What the send queue needs from the terminal window.
class SendQueueHost {
  public:
    virtual ~SendQueueHost() = default;
    // The terminal's local echo setting (1 or 0).
    virtual int LocalEcho() { return 0; }
    // Shows a failure in a message box owned by the window.
    virtual void ShowSendError(const char*) {}
    // Writes the bytes to send for a character the user sends (at most
    // MaxEncodedBytes) to out and returns their count; by default the
    // character itself.
    virtual int EncodeSent(unsigned char c, unsigned char* out) {
        out[0] = c;
        return 1;
    }
    static constexpr int MaxEncodedBytes = 4;
};

// The 256-byte queue of bytes the user sends: typed keys, macros, pastes and
// uploads. Characters are encoded by the host (the outgoing key table, or
// UTF-8) as they are queued and handed to the linked connection from idle work, so that a
// socket that would block never stalls the window. With local echo on, the
// bytes the socket accepted are shown through the receive path.
//
// A socket that would block is not polled: the queue waits, reporting no
// work to the idle loop, until the connection's next socket event (the
// socket can take data again) wakes it with Wake, or until more bytes are
// flushed.
class SendQueue {
  public:
    static constexpr int Capacity = 256;

    SendQueue(ReceivePath& receiver, SendQueueHost& host, const ConnectionLink& link);
    SendQueue(const SendQueue&) = delete;
    SendQueue& operator=(const SendQueue&) = delete;

    // Encodes and appends a character; drops it whole when its bytes do not
    // fit, and starts sending as soon as the queue becomes full.
    void QueueByte(unsigned char byte);
    // Starts sending whatever is queued.
    void FlushQueue();
    // Sends a zero-terminated text as one piece; nothing is sent while the
    // queue is busy, and the rest is lost if the queue fills up.
    void SendString(const char* text);
    int IsSendBusy() const { return sendBusy; }
    int SendQueueCapacity() const { return Capacity; }
    // Discards the queued bytes.
    void ClearSendQueue();
    // Hands queued bytes to the connection; 1 while bytes wait and another
    // pass can move them, 0 when nothing is left or the queue waits for
    // the socket (or for held echo to be shown).
    int PumpSendQueue();
    // The socket may take data again: the next pump tries it.
    void Wake() { waitingForSocket = 0; }

  private:
    void SendPending();

    ReceivePath& receiver;
    SendQueueHost& host;
    const ConnectionLink& link;
    unsigned char queue[Capacity];
    int count = 0;
    int sentPosition = 0;
    int sendBusy = 0;
    int waitingForSocket = 0;
};
