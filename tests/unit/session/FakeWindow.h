#pragma once

#include "session/Session.h"

#include <string>
#include <vector>

// A terminal window that records what the receive and send paths ask of it.
class FakeWindow : public SessionWindow {
  public:
    int localEcho = 0;
    std::vector<std::string> shown;  // blocks handed to the emulator
    std::vector<std::string> errors; // send error messages
    int changesShown = 0;
    int disconnects = 0;
    // The clock: each reading advances it by tick milliseconds.
    unsigned now = 0;
    unsigned tick = 0;

    void ProcessReceived(const char* bytes, int count) override {
        shown.emplace_back(bytes, count);
    }
    void ShowChanges() override { ++changesShown; }
    unsigned Milliseconds() override { return now += tick; }
    void PostDisconnected() override { ++disconnects; }

    int LocalEcho() override { return localEcho; }
    // With twoByteHigh, 128 and up go as two bytes (as UTF-8), 0x90 as none.
    int twoByteHigh = 0;
    int EncodeSent(unsigned char c, unsigned char* out) override {
        if (!twoByteHigh || c < 128) return SessionWindow::EncodeSent(c, out);
        if (c == 0x90) return 0;
        out[0] = static_cast<unsigned char>(0xC0 | c >> 6);
        out[1] = static_cast<unsigned char>(0x80 | (c & 0x3F));
        return 2;
    }
    void ShowSendError(const char* text) override { errors.emplace_back(text); }

    std::string AllShown() const {
        std::string all;
        for (const std::string& block : shown)
            all += block;
        return all;
    }
};
