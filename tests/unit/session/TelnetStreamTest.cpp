// The engine on whole streams: commands split between reads at any byte,
// and a negotiation recorded from a real Telnet server replayed.
#include "TelnetTestSupport.h"

using namespace telnet;

namespace {

// A stream with every kind of command, and what it must leave and answer.
std::string MixedStream() {
    return "login" + Iac(WONT, OPT_ECHO) + Bytes({IAC, IAC}) + "a" + Bytes({IAC, NOP}) + "b" +
           Iac(DO, OPT_TTYPE) + Bytes({IAC, SB, OPT_TTYPE, TTYPE_SEND, IAC, SE}) +
           Bytes({IAC, 'C'}) + Iac(WILL, OPT_ECHO) + Bytes({IAC, SB}) + std::string(41, 's') +
           Bytes({IAC, SE}) + Iac(DO, OPT_BINARY) + "end" + Bytes({IAC, IAC});
}

std::string MixedStreamData() {
    return "login" + Bytes({255}) + "abCsend" + Bytes({255});
}

std::string MixedStreamReplies() {
    return Iac(DONT, OPT_ECHO) + Iac(WILL, OPT_TTYPE) +
           Bytes({IAC, SB, OPT_TTYPE, TTYPE_IS, 'V', 'T', '1', '0', '0', IAC, SE}) +
           Iac(DO, OPT_ECHO) + Iac(WONT, OPT_BINARY);
}

class TelnetStream : public TelnetTest {
  protected:
    void Restart() {
        engine.ResetTelnet();
        link.writes.clear();
    }
};

TEST_F(TelnetStream, WholeStreamInOneBlock) {
    EXPECT_EQ(Feed(MixedStream()), MixedStreamData());
    EXPECT_EQ(Replies(), MixedStreamReplies());
}

TEST_F(TelnetStream, SplitAtEveryBytePositionGivesTheSameResult) {
    const std::string stream = MixedStream();
    for (size_t cut = 1; cut < stream.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        Restart();
        EXPECT_EQ(FeedSplit(stream, {cut}), MixedStreamData());
        EXPECT_EQ(Replies(), MixedStreamReplies());
    }
}

TEST_F(TelnetStream, SplitAtEveryPairOfPositionsGivesTheSameResult) {
    const std::string stream = MixedStream();
    for (size_t first = 1; first < stream.size(); ++first) {
        for (size_t second = first + 1; second < stream.size(); ++second) {
            Restart();
            std::string data = FeedSplit(stream, {first, second});
            ASSERT_EQ(data, MixedStreamData()) << "cuts " << first << ", " << second;
            ASSERT_EQ(Replies(), MixedStreamReplies()) << "cuts " << first << ", " << second;
        }
    }
}

TEST_F(TelnetStream, OneByteAtATimeGivesTheSameResult) {
    const std::string stream = MixedStream();
    std::string data;
    for (char byte : stream)
        data += Feed(std::string(1, byte));
    EXPECT_EQ(data, MixedStreamData());
    EXPECT_EQ(Replies(), MixedStreamReplies());
}

TEST_F(TelnetStream, BlockEndingInIacThenWillEchoActsAsOneCommand) {
    Feed(Iac(WONT, OPT_ECHO));
    link.writes.clear();
    EXPECT_EQ(Feed(Bytes({'x', IAC})), "x");
    EXPECT_EQ(Feed(Bytes({WILL, OPT_ECHO, 'y'})), "y");
    EXPECT_EQ(link.writes, std::vector<std::string>{Iac(DO, OPT_ECHO)});
}

// What inetutils telnetd (run as "telnetd -h -E /bin/sh" behind socat on a
// loopback port) sent to a client answering as this engine does, one
// recv() per block, followed by the client typing "echo hi" CR LF.
std::vector<std::string> RecordedServerBlocks() {
    return {
        Bytes({255, 251, 37,  255, 251, 38,  255, 253, 24,  255, 253,
               32,  255, 253, 35,  255, 253, 39,  255, 253, 36}),
        Bytes({255, 250, 24, 1, 255, 240}),
        Bytes({255, 251, 3, 255, 253, 1, 255, 253, 34, 255, 253, 31, 255, 251, 5, 255, 253, 33}),
        Bytes({255, 251, 1, 255, 253, 6, 255, 253, 0}),
        Bytes({35, 32}),
        Bytes({101, 99, 104, 111, 32, 104, 105, 13, 10}),
        Bytes({104, 105, 13, 10, 35, 32}),
    };
}

// The client's answers in that session, each one SendAll call.
std::vector<std::string> RecordedClientReplies() {
    return {Iac(DONT, 37), Iac(DONT, 38),        Iac(WILL, 24),    Iac(WONT, 32),
            Iac(WONT, 35), Iac(WONT, 39),        Iac(WONT, 36),    Bytes({255, 250, 24, 0}),
            "VT100",       Bytes({255, 240}),    Iac(DO, OPT_SGA), Iac(WONT, OPT_ECHO),
            Iac(WONT, 34), Iac(WONT, 31),        Iac(DONT, 5),     Iac(WONT, 33),
            Iac(WONT, 6),  Iac(WONT, OPT_BINARY)};
}

const char RecordedScreenText[] = "# echo hi\r\nhi\r\n# ";

TEST_F(TelnetStream, RecordedServerSessionAsReceived) {
    std::string data;
    for (const std::string& block : RecordedServerBlocks())
        data += Feed(block);
    EXPECT_EQ(data, RecordedScreenText);
    EXPECT_EQ(link.writes, RecordedClientReplies());
}

TEST_F(TelnetStream, RecordedServerSessionByteByByte) {
    std::string data;
    for (const std::string& block : RecordedServerBlocks()) {
        for (char byte : block)
            data += Feed(std::string(1, byte));
    }
    EXPECT_EQ(data, RecordedScreenText);
    EXPECT_EQ(link.writes, RecordedClientReplies());
}

} // namespace
