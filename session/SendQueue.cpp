#include "session/SendQueue.h"

namespace {
const char SendErrorText[] = "Send error";
}

SendQueue::SendQueue(ReceivePath& receiver, SendQueueHost& host, const ConnectionLink& link)
    : receiver(receiver), host(host), link(link) {}

// A character of several bytes that finds too little room sends what
// waits first, so that it is neither split nor lost while the socket
// takes data.
void SendQueue::QueueByte(unsigned char byte) {
    unsigned char bytes[SendQueueHost::MaxEncodedBytes];
    int n = host.EncodeSent(byte, bytes);
    if (count < Capacity && count + n > Capacity) FlushQueue();
    if (count + n > Capacity) return;
    for (int i = 0; i < n; ++i)
        queue[count++] = bytes[i];
    if (count == Capacity) FlushQueue();
}

void SendQueue::FlushQueue() {
    if (count == 0) return;
    sendBusy = 1;
    Wake();
    PumpSendQueue();
}

void SendQueue::SendString(const char* text) {
    FlushQueue();
    if (sendBusy) return;
    for (const char* p = text; *p && !sendBusy; ++p)
        QueueByte(static_cast<unsigned char>(*p));
    FlushQueue();
}

void SendQueue::ClearSendQueue() {
    count = 0;
    sentPosition = 0;
    sendBusy = 0;
    waitingForSocket = 0;
}

int SendQueue::PumpSendQueue() {
    if (!link.Connected()) {
        ClearSendQueue();
        return 0;
    }
    if (!sendBusy || waitingForSocket) return 0;
    if (count > sentPosition) {
        // With local echo, wait until the receive side has shown the last
        // echo: the accepted bytes must go to the front of its buffer. Held
        // output shows nothing until the hold ends, whose display brings
        // the idle loop back here.
        if (host.LocalEcho() && receiver.EchoRoom() == 0)
            return receiver.EchoWaitsForHold() ? 0 : 1;
        SendPending();
    }
    sendBusy = sentPosition < count;
    if (!sendBusy) ClearSendQueue();
    return sendBusy && !waitingForSocket;
}

// One send attempt of the bytes not yet accepted.
void SendQueue::SendPending() {
    const char* pending = reinterpret_cast<const char*>(queue + sentPosition);
    int n = count - sentPosition;
    if (host.LocalEcho() && n > receiver.EchoRoom()) n = receiver.EchoRoom();
    int accepted = link.connection->Send(pending, n);
    if (accepted < 0) {
        host.ShowSendError(SendErrorText);
        count = 0;
        sentPosition = 0;
        return;
    }
    if (accepted > n) accepted = n;
    waitingForSocket = accepted == 0;
    if (host.LocalEcho()) receiver.PlaceEcho(pending, accepted);
    sentPosition += accepted;
}
