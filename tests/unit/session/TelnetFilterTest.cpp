// The engine's state table: what stays data, what is removed, and how
// commands and subnegotiations end.
#include "TelnetTestSupport.h"

using namespace telnet;

namespace {

std::string AllBytesBelowIac() {
    std::string s;
    for (int b = 0; b < 255; ++b)
        s.push_back(static_cast<char>(b));
    return s;
}

using TelnetFilter = TelnetTest;

TEST_F(TelnetFilter, BlockWithoutIacPassesUntouchedWithEveryByteValue) {
    std::string block = AllBytesBelowIac() + Bytes({'\r', 0, '\r', '\n', 0});
    EXPECT_EQ(Feed(block), block);
    EXPECT_TRUE(link.writes.empty());
}

TEST_F(TelnetFilter, DoubledIacYieldsOneByte255AnywhereInTheBlock) {
    EXPECT_EQ(Feed(Bytes({'a', IAC, IAC, 'b'})), Bytes({'a', 255, 'b'}));
    EXPECT_EQ(Feed(Bytes({'a', IAC, IAC})), Bytes({'a', 255}));
    EXPECT_EQ(Feed(Bytes({IAC, IAC, IAC, IAC})), Bytes({255, 255}));
}

TEST_F(TelnetFilter, DoubledIacSplitAcrossReadsYieldsOneByte255) {
    EXPECT_EQ(Feed(Bytes({'x', IAC})), "x");
    EXPECT_EQ(engine.State(), TelnetEngine::TelnetState::Command);
    EXPECT_EQ(Feed(Bytes({IAC, 'y'})), Bytes({255, 'y'}));
    EXPECT_EQ(engine.State(), TelnetEngine::TelnetState::Data);
}

TEST_F(TelnetFilter, EverySimpleCommandVanishesAndTheWordsJoin) {
    for (int command = SE; command <= GA; ++command) {
        EXPECT_EQ(Feed("ab" + Bytes({IAC, command}) + "cd"), "abcd") << "command " << command;
    }
    EXPECT_TRUE(link.writes.empty());
}

TEST_F(TelnetFilter, IacBeforeAnOrdinaryByteIsDroppedAndTheByteKept) {
    EXPECT_EQ(Feed(Bytes({IAC, 'A', 'B'})), "AB");
    EXPECT_EQ(Feed(Bytes({'x', IAC, 0, IAC, 239})), Bytes({'x', 0, 239}));
}

TEST_F(TelnetFilter, BlockOfOnlyCommandsLeavesNoData) {
    std::string block = Iac(DO, OPT_SGA) + Bytes({IAC, NOP, IAC, GA}) + Iac(WONT, 7) +
                        Bytes({IAC, SB, OPT_TTYPE, TTYPE_SEND, IAC, SE});
    EXPECT_EQ(Feed(block), "");
    EXPECT_EQ(link.writes.size(), 4u);
}

TEST_F(TelnetFilter, DataAroundCommandsKeepsItsOrder) {
    std::string block = "one" + Iac(WILL, 200) + "two" + Bytes({IAC, IAC}) + "three" +
                        Bytes({IAC, SB, 5, 6, IAC, SE}) + "four";
    EXPECT_EQ(Feed(block), "onetwo" + Bytes({255}) + "threefour");
}

TEST_F(TelnetFilter, SubnegotiationContentIsRemoved) {
    EXPECT_EQ(Feed("a" + Bytes({IAC, SB, 33, 'q', 'r', 's', IAC, SE}) + "b"), "ab");
    EXPECT_TRUE(link.writes.empty());
}

TEST_F(TelnetFilter, DoubledIacInsideSubnegotiationEndsItAndTheRestIsData) {
    std::string block = Bytes({IAC, SB, OPT_TTYPE, TTYPE_SEND, IAC, IAC}) + "xy" + Bytes({IAC, SE});
    EXPECT_EQ(Feed(block), "xy");
    EXPECT_TRUE(link.writes.empty());
}

TEST_F(TelnetFilter, OtherCommandInsideSubnegotiationEndsItWithoutReply) {
    EXPECT_EQ(Feed(Bytes({IAC, SB, OPT_TTYPE, TTYPE_SEND, IAC, NOP}) + "z"), "z");
    EXPECT_TRUE(link.writes.empty());
}

TEST_F(TelnetFilter, SubnegotiationThatFillsTheBufferIsLeftAtItsClosingIac) {
    // 39 content bytes leave room for nothing more: the request is answered
    // (bytes after the first two are ignored).
    std::string request = Bytes({OPT_TTYPE, TTYPE_SEND}) + std::string(37, 'p');
    EXPECT_EQ(Feed(Bytes({IAC, SB}) + request + Bytes({IAC, SE}) + "after"), "after");
    EXPECT_EQ(link.writes.size(), 3u);
    // With 40 the buffer is full when IAC comes: the subnegotiation is left
    // unanswered and IAC SE is dropped as a plain command.
    link.writes.clear();
    EXPECT_EQ(Feed(Bytes({IAC, SB}) + request + "p" + Bytes({IAC, SE}) + "after"), "after");
    EXPECT_TRUE(link.writes.empty());
}

TEST_F(TelnetFilter, OverlongSubnegotiationEndsAndItsRestBecomesData) {
    std::string content = Bytes({OPT_TTYPE, TTYPE_SEND}) + std::string(38, 'p');
    std::string block = Bytes({IAC, SB}) + content + "QRS" + Bytes({IAC, SE}) + "after";
    EXPECT_EQ(Feed(block), "QRSafter");
    EXPECT_TRUE(link.writes.empty());
    EXPECT_EQ(engine.State(), TelnetEngine::TelnetState::Data);
}

TEST_F(TelnetFilter, OverlongSubnegotiationEndingInIacKeepsTheIacAsCommand) {
    std::string block = Bytes({IAC, SB}) + std::string(40, 'p') + Bytes({IAC, IAC}) + "z";
    EXPECT_EQ(Feed(block), Bytes({255, 'z'}));
}

TEST_F(TelnetFilter, HugeSubnegotiationNeverOverrunsTheBuffer) {
    std::string block = Bytes({IAC, SB}) + std::string(5000, 'p') + Bytes({IAC, SE});
    EXPECT_EQ(Feed(block), std::string(5000 - 40, 'p'));
}

TEST_F(TelnetFilter, ResetForgetsAnUnfinishedCommand) {
    Feed(Bytes({'a', IAC, SB, OPT_TTYPE}));
    engine.ResetTelnet();
    EXPECT_EQ(engine.State(), TelnetEngine::TelnetState::Data);
    EXPECT_EQ(Feed(Bytes({TTYPE_SEND, IAC, SE})), Bytes({TTYPE_SEND}));
    EXPECT_TRUE(link.writes.empty());
}

} // namespace
