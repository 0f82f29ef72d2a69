#pragma once

#include "screen/OutputHold.h"
#include "session/Connection.h"
#include "session/ReceiveWindow.h"

// The session's receive side: reads blocks from the linked connection into
// the receive buffer, behind any local-echo bytes already waiting at its
// front, and shows them through the window unless output is held. The one
// block delivered while held waits here, copied, so that local echo or a
// later read into the receive buffer cannot change it; the hold's end shows
// it. Runs on the window thread, from idle work.
class ReceivePath {
  public:
    // 16 KB: under Wine each read, and the socket notification that
    // follows it, cost more than the emulator takes for the bytes; 1 KB
    // reads held a flood to a third of the speed.
    static constexpr int ReceiveBufferSize = 16384;
    // Milliseconds between window updates while data keeps arriving.
    static constexpr unsigned UpdateInterval = 20;
    static constexpr int DeferredCapacity = ReceiveBufferSize;

    ReceivePath(ReceiveWindow& window, const OutputHold& hold, const ConnectionLink& link);
    ReceivePath(const ReceivePath&) = delete;
    ReceivePath& operator=(const ReceivePath&) = delete;

    // A socket notification arrived (or local echo waits): read again.
    void MarkDataReady() { dataReady = 1; }
    int DataReady() const { return dataReady; }

    // Reads and shows blocks while they arrive, for at most about
    // UpdateInterval, then updates the window; 1 when something was shown
    // and the pump wants to run again, 0 when there is nothing to do now.
    // Nothing is read before the session is linked to a connection.
    int PumpReceive();
    // Shows a block, or defers it while output is held; 1 when shown.
    int DisplayReceived(const char* bytes, int count);
    // Shows text and CR LF as if the host had sent them, even while held.
    void ShowLocalLine(const char* text);
    // The hold has ended: shows the deferred block and reads again.
    void ReleaseDeferred();
    int DeferredCount() const { return deferredCount; }

    // Local echo: room for echo bytes at the front of the receive buffer
    // (the whole buffer when it is free, else 0), and the hand-off of bytes
    // the socket accepted, which the next pump shows first.
    int EchoRoom() const;
    void PlaceEcho(const char* bytes, int count);
    int EchoCount() const { return echoCount; }
    // Echo bytes wait while output is held: only the hold's end shows them.
    int EchoWaitsForHold() const { return echoCount > 0 && hold.IsHeld(); }

  private:
    int ReceiveBlock();
    int ReceiveSize() const { return link.connection ? ReceiveBufferSize : 0; }
    int DeferReceived(const char* bytes, int count);

    ReceiveWindow& window;
    const OutputHold& hold;
    const ConnectionLink& link;
    char receiveBuffer[ReceiveBufferSize];
    int receivedCount = 0;
    int echoCount = 0;
    int dataReady = 0;
    int changesWaiting = 0;
    char deferredData[DeferredCapacity];
    int deferredCount = 0;
};
