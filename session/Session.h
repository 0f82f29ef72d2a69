#pragma once

#include "keyboard/KeySink.h"
#include "screen/OutputHold.h"
#include "screen/ScrollBackControl.h"
#include "session/Connection.h"
#include "session/ReceivePath.h"
#include "session/ReceiveWindow.h"
#include "session/SendQueue.h"

// What the session needs from the terminal window besides its receive and
// send sides: the answer to a change of hold or scroll-back mode, and the
// view's return to the live screen when a resume request finds it showing
// history.
class SessionWindow : public ReceiveWindow, public SendQueueHost, public virtual ScrollBackControl {
  public:
    virtual void HoldChanged(const HoldFlags&) {}
};

// One Telnet session as the terminal window runs it: the link to the
// connection, the receive path, the send queue and the hold of received
// output. The key queue reaches it as its sink; the idle work runs its two
// pumps.
class Session : public KeySink, private HoldListener {
  public:
    explicit Session(SessionWindow& window);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Links the session to its connection; until then nothing is read and
    // queued bytes are discarded.
    void Link(Connection* connection);
    Connection* LinkedConnection() const { return link.connection; }
    int IsConnected() const { return link.Connected(); }

    // The idle work: 1 when the pump wants another pass at once.
    int PumpSend() { return sendQueue.PumpSendQueue(); }
    int PumpReceive() { return receiver.PumpReceive(); }
    // The socket has an event: data may be ready, and a send queue that
    // waits for the socket tries again.
    void SocketEvent();
    // Writes a reply or report at once, while connected.
    void SendReply(const char* bytes, int length);

    // The key queue's sink.
    int IsSendBusy() override { return sendQueue.IsSendBusy(); }
    void QueueByte(unsigned char byte) override { sendQueue.QueueByte(byte); }
    void FlushQueue() override { sendQueue.FlushQueue(); }
    int IsHeld() override { return hold.IsHeld(); }
    void RequestHold() override { hold.RequestHold(); }
    // Forgets the user's hold; a window that shows history returns to the
    // live screen, which releases the output.
    void RequestResume() override;
    int BeginBreak() override;
    void EndBreak() override;

  private:
    void HoldChanged(const HoldFlags& before) override;

    // Declared first: the parts below are built with them.
    SessionWindow& window;
    ConnectionLink link;

  public:
    OutputHold hold;
    ReceivePath receiver;
    SendQueue sendQueue;
};
