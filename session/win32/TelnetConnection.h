#pragma once

#include <windows.h>

#include "session/Connection.h"
#include "session/TelnetEngine.h"

// The Telnet connection over Windows Sockets 1.1 in its asynchronous,
// message-driven form. Every socket event (connect complete, data, room to
// send again, close) is posted to the linked window as the message it was
// made with; the window
// only marks that data may be ready and wakes a send queue that waits for
// the socket, and the pumps call Receive and Send from idle work. Received
// blocks pass through the Telnet engine, whose replies go out at once
// through SendAll. Failures and the link's ends are reported through the
// connection's events. Everything runs on the window thread.
class TelnetConnection : public Connection {
  public:
    enum class LinkState { Idle, Connecting, Established };

    static constexpr int HostNameSize = 128;

    // socketMessage: the window message that carries the socket's events.
    explicit TelnetConnection(UINT socketMessage);
    // Cleans up Windows Sockets when this object started them.
    ~TelnetConnection() override;

    // Starts Windows Sockets 1.1, reporting progress as lines.
    int Open(WindowHandle window, const char* settingsPath, LineReport* report) override;
    // Resolves the host and starts an asynchronous connect to it.
    int Connect(const char* host, int port) override;
    void Close() override;
    int Send(const char* bytes, int length) override;
    int Receive(char* buffer, int size) override;
    // Writes the whole block, or gives up at the first send error or when
    // the socket has refused data for too long (see the .cpp).
    void SendAll(const char* bytes, int length) override;
    void SetBinaryOutput(int on) override {
        engine.SetBinaryOutput(on, linkState == LinkState::Established);
    }

    LinkState State() const { return linkState; }
    const char* HostName() const { return hostName; }

  private:
    int FailConnect(const char* text);
    int FailConnect(const char* format, const char* host);
    int Resolve(const char* host, void* address);
    int StartSocket(const void* address);
    int ReadFailed();
    int ConnectFailedEarly();
    void Established();

    UINT socketMessage;
    TelnetEngine engine;
    char hostName[HostNameSize] = {};
    // A SOCKET; kept as its integer type so that this header needs only
    // <windows.h>.
    UINT_PTR socketHandle;
    LinkState linkState = LinkState::Idle;
    int sendFailed = 0;
    // The last SendAll gave up on a socket that kept refusing data.
    int sendStalled = 0;
};
