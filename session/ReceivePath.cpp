#include "session/ReceivePath.h"

#include <cstring>

ReceivePath::ReceivePath(ReceiveWindow& window, const OutputHold& hold, const ConnectionLink& link)
    : window(window), hold(hold), link(link) {}

// While data keeps arriving, blocks are read and shown one after the other
// and the window is updated at the screen's pace: when UpdateInterval has
// passed, and always when a read yields nothing. Between updates the
// window's messages wait at most that long. Blocks shown outside the pump
// (the deferred block, when the hold ends) are updated on its next pass.
int ReceivePath::PumpReceive() {
    int shown = 0;
    if (dataReady && receivedCount == 0 && ReceiveSize() > 0 && !hold.IsHeld()) {
        unsigned start = window.Milliseconds();
        while (ReceiveBlock()) {
            shown = 1;
            if (hold.IsHeld() || window.Milliseconds() - start >= UpdateInterval) break;
        }
    }
    if (changesWaiting) {
        changesWaiting = 0;
        window.ShowChanges();
    }
    return shown;
}

// Reads one block and shows it; 0 when there was nothing to show.
int ReceivePath::ReceiveBlock() {
    // Echo bytes waiting at the front are shown first, ahead of the new
    // data; they were sent by this side and skip the Telnet engine.
    receivedCount = echoCount;
    echoCount = 0;
    int space = ReceiveSize() - receivedCount;
    int received = link.connection->Receive(receiveBuffer + receivedCount, space);
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
    return 1;
}

int ReceivePath::DisplayReceived(const char* bytes, int count) {
    if (hold.IsHeld()) {
        DeferReceived(bytes, count);
        return 0;
    }
    window.ProcessReceived(bytes, count);
    changesWaiting = 1;
    return 1;
}

// Bytes beyond the store's capacity are dropped.
int ReceivePath::DeferReceived(const char* bytes, int count) {
    int room = DeferredCapacity - deferredCount;
    int kept = count < 0 ? 0 : (count < room ? count : room);
    if (kept > 0) std::memcpy(deferredData + deferredCount, bytes, kept);
    deferredCount += kept;
    return kept;
}

// Cleared before it is shown, so that a hold during the display defers
// into an empty store.
void ReceivePath::ReleaseDeferred() {
    if (deferredCount > 0) {
        char block[DeferredCapacity];
        int count = deferredCount;
        std::memcpy(block, deferredData, count);
        deferredCount = 0;
        DisplayReceived(block, count);
    }
    MarkDataReady();
}

void ReceivePath::ShowLocalLine(const char* text) {
    window.ProcessReceived(text, static_cast<int>(std::strlen(text)));
    window.ProcessReceived("\r\n", 2);
    changesWaiting = 0;
    window.ShowChanges();
}

int ReceivePath::EchoRoom() const {
    return receivedCount == 0 && echoCount == 0 ? ReceiveSize() : 0;
}

void ReceivePath::PlaceEcho(const char* bytes, int count) {
    if (count <= 0) return;
    if (count > ReceiveSize()) count = ReceiveSize();
    std::memmove(receiveBuffer, bytes, count);
    echoCount = count;
    MarkDataReady();
}
