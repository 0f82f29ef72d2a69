#pragma once

#include "session/Connection.h"
#include "session/TelnetEngine.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

// Builds a byte string from byte values, e.g. Bytes({255, 251, 1}).
inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

// A scripted connection: records every write, accepts sends as scripted and
// delivers scripted blocks through its own Telnet engine, as the socket
// connection does.
class FakeConnection : public Connection {
  public:
    FakeConnection() { connected = 1; }

    // Results of the next Send calls: a count to accept (capped at what is
    // offered), 0 for would-block, -1 for an error. Without a script every
    // byte is accepted.
    std::deque<int> sendScript;
    std::string sent;                // bytes accepted by Send, in order
    std::vector<int> sendSizes;      // lengths offered to each Send call
    std::vector<std::string> writes; // each SendAll call's bytes

    // Blocks the next Receive calls read; "\x01END" marks an ended
    // connection (-1). Without a script Receive yields nothing.
    std::deque<std::string> receiveScript;
    std::vector<int> receiveSizes;
    TelnetEngine engine{*this};

    int Send(const char* bytes, int length) override {
        sendSizes.push_back(length);
        int result = length;
        if (!sendScript.empty()) {
            result = std::min(sendScript.front(), length);
            sendScript.pop_front();
        }
        if (result > 0) sent.append(bytes, result);
        return result;
    }

    void SendAll(const char* bytes, int length) override { writes.emplace_back(bytes, length); }

    int Receive(char* buffer, int size) override {
        receiveSizes.push_back(size);
        if (receiveScript.empty()) return 0;
        std::string block = receiveScript.front();
        receiveScript.pop_front();
        if (block == EndMark()) return -1;
        int n = std::min(static_cast<int>(block.size()), size);
        std::memcpy(buffer, block.data(), n);
        if (n < static_cast<int>(block.size())) receiveScript.push_front(block.substr(n));
        return n > 0 ? engine.ProcessTelnet(buffer, n) : 0;
    }

    static std::string EndMark() { return "\x01END"; }
};
