#pragma once

// A terminal window's keyboard road for tests: key queue, hold, send queue
// and receive path over a connection that records what it is sent.

#include "keyboard/HoldState.h"
#include "keyboard/KeyQueue.h"
#include "session/ReceivePath.h"
#include "session/SendQueue.h"

#include <string>
#include <utility>
#include <vector>

// Records sends and breaks in one log, in order: bytes as they are, a break
// as "<BREAK>" and its end as "<END>".
class RecordingConnection : public Connection {
  public:
    int Send(const char* bytes, int length) override {
        int accepted = acceptLimit < 0 || acceptLimit > length ? length : acceptLimit;
        log.append(bytes, accepted);
        if (accepted > 0) ++sends;
        return accepted;
    }
    void BeginBreak() override { log += "<BREAK>"; }
    void EndBreak() override { log += "<END>"; }

    std::string log;
    int sends = 0;
    int acceptLimit = -1; // bytes accepted per send; -1 for all
};

class TestReceiveWindow : public ReceiveWindow {
  public:
    // The hold state is built after the receive path it reports to.
    explicit TestReceiveWindow(HoldState& hold) : hold(hold) {}
    int IsHeld() override { return hold.IsHeld(); }
    void DeferReceived(const char* bytes, int count) override { hold.DeferReceived(bytes, count); }
    void ProcessReceived(const char* bytes, int count) override { shown.append(bytes, count); }

    HoldState& hold;
    std::string shown;
};

// The window side of the key queue; the hold requests act on the hold
// state as the window geometry does.
class TestKeyWindow : public KeyQueueWindow {
  public:
    TestKeyWindow(HoldState& hold, Connection* connection) : hold(hold), connection(connection) {}
    void Beep() override { ++beeps; }
    int StartTimer(int id, int milliseconds) override {
        started.emplace_back(id, milliseconds);
        return timersWork;
    }
    void StopTimer(int id) override { stopped.push_back(id); }
    void RequestHold() override {
        ++holdRequests;
        hold.SetHold(1);
    }
    void RequestResume() override {
        ++resumeRequests;
        hold.SetHold(0);
    }
    Connection* LinkedConnection() override { return connection; }

    HoldState& hold;
    Connection* connection;
    int beeps = 0;
    int timersWork = 1;
    int holdRequests = 0;
    int resumeRequests = 0;
    std::vector<std::pair<int, int>> started;
    std::vector<int> stopped;
};

struct KeyPipeline {
    KeyPipeline() {
        connection.connected = 1;
        receiver.Link(&connection);
    }
    std::string Sent() const { return connection.log; }

    RecordingConnection connection;
    TestReceiveWindow receiveWindow{hold};
    ReceivePath receiver{receiveWindow};
    SendQueueHost sendHost;
    SendQueue sendQueue{receiver, sendHost};
    HoldState hold{receiver};
    TestKeyWindow window{hold, &connection};
    KeyQueue keys{sendQueue, hold, window};
};
