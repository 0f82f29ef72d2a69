// The engine's answers to option negotiation and to the terminal-type
// request: every row of the negotiation table, with the exact bytes.
#include "TelnetTestSupport.h"

using namespace telnet;

namespace {

struct NegotiationCase {
    const char* name;
    std::string requests;             // fed as one block
    std::vector<std::string> replies; // expected SendAll calls, in order
};

std::vector<NegotiationCase> NegotiationTable() {
    return {
        {"WillEchoWhileAcceptedIsIgnored", Iac(WILL, OPT_ECHO), {}},
        {"WillEchoAfterWontIsAccepted",
         Iac(WONT, OPT_ECHO) + Iac(WILL, OPT_ECHO) + Iac(WILL, OPT_ECHO),
         {Iac(DONT, OPT_ECHO), Iac(DO, OPT_ECHO)}},
        {"WillSgaAcceptedOnce", Iac(WILL, OPT_SGA) + Iac(WILL, OPT_SGA), {Iac(DO, OPT_SGA)}},
        {"WillOtherRefusedEachTime",
         Iac(WILL, 200) + Iac(WILL, 200),
         {Iac(DONT, 200), Iac(DONT, 200)}},
        {"WillBinaryRefused", Iac(WILL, OPT_BINARY), {Iac(DONT, OPT_BINARY)}},
        {"WontEchoAnsweredOnce", Iac(WONT, OPT_ECHO) + Iac(WONT, OPT_ECHO), {Iac(DONT, OPT_ECHO)}},
        {"WontSgaAfterWill",
         Iac(WILL, OPT_SGA) + Iac(WONT, OPT_SGA) + Iac(WONT, OPT_SGA),
         {Iac(DO, OPT_SGA), Iac(DONT, OPT_SGA)}},
        {"WontSgaNeverAcceptedIsIgnored", Iac(WONT, OPT_SGA), {}},
        {"WontOtherIsIgnored", Iac(WONT, 200) + Iac(WONT, OPT_TTYPE), {}},
        {"DoSgaAgreedOnce", Iac(DO, OPT_SGA) + Iac(DO, OPT_SGA), {Iac(WILL, OPT_SGA)}},
        {"DoTerminalTypeAgreedOnce",
         Iac(DO, OPT_TTYPE) + Iac(DO, OPT_TTYPE),
         {Iac(WILL, OPT_TTYPE)}},
        {"DoBinaryRefusedEachTime",
         Iac(DO, OPT_BINARY) + Iac(DO, OPT_BINARY),
         {Iac(WONT, OPT_BINARY), Iac(WONT, OPT_BINARY)}},
        {"DoEchoRefused", Iac(DO, OPT_ECHO), {Iac(WONT, OPT_ECHO)}},
        {"DontSgaAfterDo",
         Iac(DO, OPT_SGA) + Iac(DONT, OPT_SGA) + Iac(DONT, OPT_SGA),
         {Iac(WILL, OPT_SGA), Iac(WONT, OPT_SGA)}},
        {"DontTerminalTypeAfterDo",
         Iac(DO, OPT_TTYPE) + Iac(DONT, OPT_TTYPE) + Iac(DONT, OPT_TTYPE) + Iac(DO, OPT_TTYPE),
         {Iac(WILL, OPT_TTYPE), Iac(WONT, OPT_TTYPE), Iac(WILL, OPT_TTYPE)}},
        {"DontWithoutAgreementIsIgnored", Iac(DONT, OPT_SGA) + Iac(DONT, OPT_TTYPE), {}},
        {"DontOtherIsIgnored", Iac(DONT, 200) + Iac(DONT, OPT_BINARY), {}},
        {"HostSidesAndClientSidesAreKeptApart",
         Iac(WILL, OPT_SGA) + Iac(DO, OPT_SGA) + Iac(DONT, OPT_SGA) + Iac(WILL, OPT_SGA),
         {Iac(DO, OPT_SGA), Iac(WILL, OPT_SGA), Iac(WONT, OPT_SGA)}},
    };
}

using TelnetNegotiation = TelnetTest;

TEST_F(TelnetNegotiation, EveryRowOfTheTableAnswersWithTheExactBytes) {
    for (const NegotiationCase& row : NegotiationTable()) {
        SCOPED_TRACE(row.name);
        link.writes.clear();
        engine.ResetTelnet();
        EXPECT_EQ(Feed(row.requests), "");
        EXPECT_EQ(link.writes, row.replies);
    }
}

TEST_F(TelnetNegotiation, ResetRestoresTheValuesAtConnect) {
    Feed(Iac(DO, OPT_SGA) + Iac(DO, OPT_TTYPE) + Iac(WILL, OPT_SGA) + Iac(WONT, OPT_ECHO));
    engine.ResetTelnet();
    link.writes.clear();
    Feed(Iac(DO, OPT_SGA) + Iac(DO, OPT_TTYPE) + Iac(WILL, OPT_SGA) + Iac(WILL, OPT_ECHO));
    std::vector<std::string> expected = {Iac(WILL, OPT_SGA), Iac(WILL, OPT_TTYPE),
                                         Iac(DO, OPT_SGA)};
    EXPECT_EQ(link.writes, expected);
}

TEST_F(TelnetNegotiation, RealServerOpeningIsAnsweredInOrder) {
    std::string opening = Iac(WILL, 37) + Iac(WILL, 38) + Iac(DO, 24) + Iac(DO, 32) + Iac(DO, 35) +
                          Iac(DO, 39) + Iac(DO, 36) + Bytes({IAC, SB, 24, 1, IAC, SE});
    EXPECT_EQ(Feed(opening), "");
    std::string expected = Iac(DONT, 37) + Iac(DONT, 38) + Iac(WILL, 24) + Iac(WONT, 32) +
                           Iac(WONT, 35) + Iac(WONT, 39) + Iac(WONT, 36) +
                           Bytes({IAC, SB, 24, 0, 'V', 'T', '1', '0', '0', IAC, SE});
    EXPECT_EQ(Replies(), expected);
}

TEST_F(TelnetNegotiation, TerminalTypeReplyGoesOutInThreeWrites) {
    Feed(Bytes({IAC, SB, OPT_TTYPE, TTYPE_SEND, IAC, SE}));
    std::vector<std::string> expected = {Bytes({255, 250, 24, 0}), "VT100", Bytes({255, 240})};
    EXPECT_EQ(link.writes, expected);
    EXPECT_EQ(Replies(), Bytes({255, 250, 24, 0, 86, 84, 49, 48, 48, 255, 240}));
}

TEST_F(TelnetNegotiation, TerminalTypeIsSentOnEveryRequest) {
    Feed(Bytes({IAC, SB, OPT_TTYPE, TTYPE_SEND, 'x', 'y', IAC, SE}));
    Feed(Bytes({IAC, SB, OPT_TTYPE, TTYPE_SEND, IAC, SE}));
    EXPECT_EQ(link.writes.size(), 6u);
}

TEST_F(TelnetNegotiation, SubnegotiationsThatAreNotASendGetNoReply) {
    Feed(Bytes({IAC, SB, OPT_TTYPE, TTYPE_IS, 'X', IAC, SE}));
    Feed(Bytes({IAC, SB, 31, TTYPE_SEND, IAC, SE}));
    EXPECT_TRUE(link.writes.empty());
}

TEST_F(TelnetNegotiation, ShortSubnegotiationsGetNoReplyWhateverCameBefore) {
    // A complete request first leaves 24 and 1 in the collected bytes.
    Feed(Bytes({IAC, SB, OPT_TTYPE, TTYPE_SEND, IAC, SE}));
    link.writes.clear();
    Feed(Bytes({IAC, SB, IAC, SE}));
    Feed(Bytes({IAC, SB, OPT_TTYPE, IAC, SE}));
    EXPECT_TRUE(link.writes.empty());
}

} // namespace

// Binary output is offered on a live link only, the host's DO is answered
// once, and turned off the offer is taken back and DO refused again.
TEST_F(TelnetNegotiation, BinaryOutputIsOfferedOnlyWhileWanted) {
    engine.SetBinaryOutput(1, 0);
    EXPECT_TRUE(link.writes.empty());
    engine.SetBinaryOutput(1, 1);
    Feed(Iac(DO, OPT_BINARY) + Iac(DO, OPT_BINARY));
    engine.SetBinaryOutput(0, 1);
    Feed(Iac(DO, OPT_BINARY));
    std::vector<std::string> expected = {Iac(WILL, OPT_BINARY), Iac(WONT, OPT_BINARY),
                                         Iac(WONT, OPT_BINARY)};
    EXPECT_EQ(link.writes, expected);
}
