#pragma once

#include "session/Connection.h"
#include "session/ReceiveWindow.h"

// The terminal window's receive side: reads blocks from the linked
// connection into the receive buffer, behind any local-echo bytes already
// waiting at its front, and shows them through the window unless output is
// held. Runs on the window thread, from idle work.
class ReceivePath {
  public:
    static constexpr int ReceiveBufferSize = 1024;

    explicit ReceivePath(ReceiveWindow& window);
    ReceivePath(const ReceivePath&) = delete;
    ReceivePath& operator=(const ReceivePath&) = delete;

    // Links the window to its connection and makes the receive buffer
    // available; until then nothing is read.
    void Link(Connection* connection);
    Connection* LinkedConnection() const { return connection; }

    // A socket notification arrived (or local echo waits): read again.
    void MarkDataReady() { dataReady = 1; }
    int DataReady() const { return dataReady; }

    // Reads and shows one block; 1 when something was shown and the pump
    // wants to run again, 0 when there is nothing more to do now.
    int PumpReceive();
    // Shows a block, or defers it while output is held; 1 when shown.
    int DisplayReceived(const char* bytes, int count);
    // Shows text and CR LF as if the host had sent them, even while held.
    void ShowLocalLine(const char* text);

    // Local echo: room for echo bytes at the front of the receive buffer
    // (the whole buffer when it is free, else 0), and the hand-off of bytes
    // the socket accepted, which the next pump shows first.
    int EchoRoom() const;
    void PlaceEcho(const char* bytes, int count);
    int EchoCount() const { return echoCount; }

  private:
    ReceiveWindow& window;
    Connection* connection = nullptr;
    char receiveBuffer[ReceiveBufferSize];
    int receiveSize = 0;
    int receivedCount = 0;
    int echoCount = 0;
    int dataReady = 0;
};
