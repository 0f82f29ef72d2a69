#pragma once

// A terminal window's keyboard road for tests: the key queue feeding a
// session (send queue, hold, receive path) over a connection that records
// what it is sent.

#include "keyboard/KeyQueue.h"
#include "session/Session.h"

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

class TestSessionWindow : public SessionWindow {
  public:
    void ProcessReceived(const char* bytes, int count) override { shown.append(bytes, count); }
    void HoldChanged(const HoldFlags&) override { ++holdChanges; }
    void LeaveScrollBack() override { ++scrollBackLeft; }
    // Encodes through keyTable when one is given, as the emulator does
    // outside UTF-8 mode.
    int EncodeSent(unsigned char c, unsigned char* out) override {
        out[0] = keyTable ? keyTable[c] : c;
        return 1;
    }

    const unsigned char* keyTable = nullptr;
    std::string shown;
    int holdChanges = 0;
    int scrollBackLeft = 0;
};

// The session, counting the hold requests that reach it.
class CountingSession : public Session {
  public:
    using Session::Session;
    void RequestHold() override {
        ++holdRequests;
        Session::RequestHold();
    }
    void RequestResume() override {
        ++resumeRequests;
        Session::RequestResume();
    }
    int holdRequests = 0;
    int resumeRequests = 0;
};

class TestKeyWindow : public KeyQueueWindow {
  public:
    void Beep() override { ++beeps; }
    int StartTimer(KeyTimer timer, int milliseconds) override {
        started.emplace_back(timer, milliseconds);
        return timersWork;
    }
    void StopTimer(KeyTimer timer) override { stopped.push_back(timer); }

    int beeps = 0;
    int timersWork = 1;
    std::vector<std::pair<KeyTimer, int>> started;
    std::vector<KeyTimer> stopped;
};

struct KeyPipeline {
    KeyPipeline() {
        connection.connected = 1;
        session.Link(&connection);
    }
    std::string Sent() const { return connection.log; }

    RecordingConnection connection;
    TestSessionWindow sessionWindow;
    CountingSession session{sessionWindow};
    SendQueue& sendQueue = session.sendQueue;
    OutputHold& hold = session.hold;
    ReceivePath& receiver = session.receiver;
    TestKeyWindow window;
    KeyQueue keys{session, window};
};
