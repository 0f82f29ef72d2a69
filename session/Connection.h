#pragma once

#include "session/ConnectionEvents.h"

// The host connection as the rest of the program sees it. Every operation
// has a do-nothing default so that a derived connection overrides only what
// it needs; the Telnet connection over Windows Sockets is one, and the tests
// put scripted connections under the send and receive paths.

// Opaque handle of the window that receives the connection's notifications
// (an HWND on Windows; the portable core never looks inside it).
using WindowHandle = void*;

// Shows one line of progress text, for example in the terminal window.
class LineReport {
  public:
    virtual ~LineReport() = default;
    virtual void ReportLine(const char* text) = 0;
};

class Connection {
  public:
    Connection() = default;
    virtual ~Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Starts the network layer; report may be null. 1 on success.
    virtual int Open(WindowHandle, const char*, LineReport*) { return 0; }
    // Starts connecting to host at port (host byte order). 1 when started.
    virtual int Connect(const char*, int) { return 0; }
    virtual void Close() {}
    // Bytes accepted (possibly fewer than given), 0 when nothing was
    // accepted, -1 on a socket error.
    virtual int Send(const char*, int) { return 0; }
    // Data bytes now at the front of buffer, 0 for nothing, -1 when the
    // connection has ended and has been closed.
    virtual int Receive(char*, int) { return 0; }
    // Writes the whole block, or gives up at the first send error.
    virtual void SendAll(const char*, int) {}
    virtual void BeginBreak() {}
    virtual void EndBreak() {}
    // Asks the host to take the user's data as binary (all eight bits) or
    // takes that back; kept for the next link as well.
    virtual void SetBinaryOutput(int) {}

    // Where the connection reports its link's failures and ends; until set,
    // nowhere.
    void SetEvents(ConnectionEvents* receiver) { events = receiver; }
    ConnectionEvents& Events();

    int winsockStarted = 0;
    int connected = 0;
    WindowHandle window = nullptr;

  private:
    ConnectionEvents* events = nullptr;
};

// The session's reference to its connection, through which its receive and
// send paths reach it.
struct ConnectionLink {
    Connection* connection = nullptr;
    int Connected() const { return connection && connection->connected; }
};
