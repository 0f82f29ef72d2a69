#include "session/ReceivePath.h"

#include <cstring>

ReceivePath::ReceivePath(ReceiveWindow& window) : window(window) {}

void ReceivePath::Link(Connection* link) {
    connection = link;
    receiveSize = link ? ReceiveBufferSize : 0;
}

int ReceivePath::PumpReceive() {
    if (!dataReady || receivedCount > 0 || receiveSize == 0 || window.IsHeld()) return 0;
    // Echo bytes waiting at the front are shown first, ahead of the new
    // data; they were sent by this side and skip the Telnet engine.
    receivedCount = echoCount;
    echoCount = 0;
    int space = receiveSize - receivedCount;
    int received = connection->Receive(receiveBuffer + receivedCount, space);
    if (received > space) received = space;
    if (received < 0) {
        dataReady = 0;
        receivedCount = 0;
        window.PostDisconnected();
        return 0;
    }
    int total = receivedCount + received;
    if (total == 0) {
        dataReady = 0;
        return 0;
    }
    DisplayReceived(receiveBuffer, total);
    receivedCount = 0;
    window.ShowChanges();
    return 1;
}

int ReceivePath::DisplayReceived(const char* bytes, int count) {
    if (window.IsHeld()) {
        window.DeferReceived(bytes, count);
        return 0;
    }
    window.ProcessReceived(bytes, count);
    return 1;
}

void ReceivePath::ShowLocalLine(const char* text) {
    window.ProcessReceived(text, static_cast<int>(std::strlen(text)));
    window.ProcessReceived("\r\n", 2);
    window.ShowChanges();
}

int ReceivePath::EchoRoom() const {
    return receivedCount == 0 && echoCount == 0 ? receiveSize : 0;
}

void ReceivePath::PlaceEcho(const char* bytes, int count) {
    if (count <= 0) return;
    if (count > receiveSize) count = receiveSize;
    std::memmove(receiveBuffer, bytes, count);
    echoCount = count;
    MarkDataReady();
}
