#pragma once

// What a connection tells the window about its link. The connection decides
// what happened; the window shows it (message boxes, beeps, the title).
// Every event has a do-nothing default.
class ConnectionEvents {
  public:
    virtual ~ConnectionEvents() = default;

    // A connect could not be started; text says why ("Busy", "Cannot find
    // host", ...).
    virtual void ConnectFailed(const char*) {}
    // The link broke or the host closed it. While connecting that means the
    // host named hostName could not be reached.
    virtual void LinkClosed(const char* /*hostName*/, int /*whileConnecting*/) {}
    // The connection attempt has succeeded.
    virtual void LinkEstablished() {}
    // The connection has ended and the session is over.
    virtual void LinkEnded() {}
};
