#include "TerminalHarness.h"

#include <gtest/gtest.h>

namespace {

TEST(IdentityReplies, DeviceAttributesByEmulation) {
    Terminal vt100;
    vt100.Feed("\x1b[c\x1b[0c\x1b[>c");
    EXPECT_EQ("\x1b[?1;2c\x1b[?1;2c\x1b[?1;2c", vt100.host.replies);
    Terminal vt200(WithEmulation(2));
    vt200.Feed("\x1b[c");
    EXPECT_EQ("\x1b[?62;1;2;9c", vt200.host.replies);
}

TEST(IdentityReplies, ParameterOfOneOrMoreGetsNoAnswer) {
    Terminal t;
    t.Feed("\x1b[1c\x1b[2c");
    EXPECT_EQ("", t.host.replies);
}

TEST(IdentityReplies, DecIdentifyAnswersLikeDeviceAttributes) {
    Terminal t(WithEmulation(2));
    t.Feed("\x1bZ");
    EXPECT_EQ("\x1b[?62;1;2;9c", t.host.replies);
}

TEST(StatusReplies, OperatingStatusAndPrinterStatus) {
    Terminal t;
    t.Feed("\x1b[5n\x1b[?15n\x1b[7n\x1b[?5n");
    EXPECT_EQ("\x1b[0n\x1b[?13n", t.host.replies);
}

TEST(CursorPositionReport, CountsFromOne) {
    Terminal t;
    t.Feed("\x1b[12;34H\x1b[6n");
    EXPECT_EQ("\x1b[12;34R", t.host.replies);
}

TEST(CursorPositionReport, WithoutOriginModeRegionHomeIsRowOne) {
    Terminal t;
    t.Feed("\x1b[5;10r\x1b[6n");
    EXPECT_EQ("\x1b[1;1R", t.host.replies);
}

TEST(CursorPositionReport, WithOriginModeRowCountsFromTheTopMargin) {
    Terminal t;
    t.Feed("\x1b[5;10r\x1b[?6h\x1b[H");
    EXPECT_EQ(4, t.emu.CursorRow());
    t.Feed("\x1b[6n");
    EXPECT_EQ("\x1b[1;1R", t.host.replies);
    t.host.replies.clear();
    t.Feed("\x1b[3;5H\x1b[6n");
    EXPECT_EQ("\x1b[3;5R", t.host.replies);
}

TEST(SizeReports, SentAtOnceAndAfterEveryGeometryChangeUntilTurnedOff) {
    Terminal t;
    t.Feed("\x1b[1]");
    EXPECT_EQ("\x1b[24;80]", t.host.replies);
    EXPECT_EQ(std::vector<int>{1}, t.host.softSize);
    t.host.replies.clear();
    t.screen->lines = 30;
    t.screen->columns = 100;
    t.emu.ResetGeometry();
    t.emu.ReportSize();
    EXPECT_EQ("\x1b[30;100]", t.host.replies);
    t.host.replies.clear();
    t.Feed("\x1b[0]");
    t.emu.ReportSize();
    EXPECT_EQ("", t.host.replies);
    EXPECT_EQ(0, t.state.sizeReports);
    EXPECT_EQ((std::vector<int>{1, 0}), t.host.softSize);
}

TEST(SizeReports, ColumnSwitchTurnsSoftSizeOffAndReportsTheNewWidthWhenAsked) {
    Terminal t;
    t.Feed("\x1b[1]\x1b[?3h");
    t.host.replies.clear();
    t.emu.ReportSize();
    EXPECT_EQ("\x1b[24;132]", t.host.replies);
    EXPECT_EQ((std::vector<int>{1, 0}), t.host.softSize);
}

TEST(Replies, DetachedHostGetsNothingAndReattachedHostGetsReplies) {
    Terminal t;
    t.emu.SetHost(nullptr);
    t.Feed("\x1b[c\x07");
    EXPECT_EQ("", t.host.replies);
    EXPECT_EQ(0, t.host.beeps);
    t.emu.SetHost(&t.host);
    t.Feed("\x1b[c");
    EXPECT_EQ("\x1b[?1;2c", t.host.replies);
}

} // namespace
