#pragma once

#include "FakeConnection.h"
#include "session/TelnetCodes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Feeds blocks to the engine of a recording connection and collects what
// it leaves as data and what it writes back.
class TelnetTest : public ::testing::Test {
  protected:
    FakeConnection link;
    TelnetEngine& engine = link.engine;

    // One block through the engine; returns its data bytes.
    std::string Feed(const std::string& block) {
        std::vector<char> buffer(block.begin(), block.end());
        int count = engine.ProcessTelnet(buffer.data(), static_cast<int>(buffer.size()));
        EXPECT_GE(count, 0);
        EXPECT_LE(count, static_cast<int>(buffer.size()));
        return std::string(buffer.data(), count);
    }

    // The stream in pieces that end at the given offsets.
    std::string FeedSplit(const std::string& stream, const std::vector<size_t>& cuts) {
        std::string data;
        size_t start = 0;
        for (size_t cut : cuts) {
            if (cut > start) data += Feed(stream.substr(start, cut - start));
            start = std::max(start, cut);
        }
        if (start < stream.size()) data += Feed(stream.substr(start));
        return data;
    }

    std::string Replies() const {
        std::string all;
        for (const std::string& w : link.writes)
            all += w;
        return all;
    }
};

inline std::string Iac(int verb, int option) {
    return Bytes({telnet::IAC, verb, option});
}
