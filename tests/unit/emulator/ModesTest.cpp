#include "TerminalHarness.h"

#include <gtest/gtest.h>

namespace {

TEST(ColumnSwitch, To132ColumnsClearsIntoHistoryAndHomesTheCursor) {
    Terminal t;
    t.Feed("hello\x1b[3;3Hworld\x1b[?3h");
    EXPECT_EQ(132, t.screen->columns);
    EXPECT_EQ((std::vector<std::string>{"hello", "", "  world"}), t.History());
    EXPECT_EQ("", t.Row(0));
    EXPECT_EQ(0, t.emu.CursorRow());
    EXPECT_EQ(0, t.emu.CursorCol());
    EXPECT_EQ(1, t.host.columnSwitches);
    EXPECT_EQ(std::vector<int>{0}, t.host.softSize);
    t.Feed(std::string(100, 'x'));
    EXPECT_EQ(std::string(100, 'x'), t.Row(0));
    t.Feed("\x1b[?3l");
    EXPECT_EQ(80, t.screen->columns);
    EXPECT_EQ(2, t.host.columnSwitches);
}

TEST(ColumnSwitch, KeepsTheRegionAndLeavesLineWidthsSingle) {
    Terminal t;
    t.Feed("\x1b[5;10r\x1b#6\x1b[?3h");
    EXPECT_EQ(4, t.state.scrollTop);
    EXPECT_EQ(9, t.state.scrollBottom);
    EXPECT_EQ(1, t.state.lineWidth[0]);
}

TEST(ColumnSwitch, SavedCursorFromTheWideScreenIsKeptInsideTheNarrowOne) {
    Terminal t;
    t.Feed("\x1b[?3h\x1b[5;120H\x1b"
           "7\x1b[?3l\x1b"
           "8");
    EXPECT_EQ(4, t.emu.CursorRow());
    EXPECT_EQ(79, t.emu.CursorCol());
}

TEST(SetModes, OnlyTheFirstParameterCounts) {
    Terminal t;
    t.Feed("\x1b[4;20h");
    EXPECT_EQ(1, t.state.insertMode);
    EXPECT_EQ(0, t.emu.CurrentSettings().newlineMode);
    t.Feed("\x1b[20;4l");
    EXPECT_EQ(1, t.state.insertMode);
    EXPECT_EQ(0, t.emu.CurrentSettings().newlineMode);
}

TEST(SetModes, SendReceiveModeSetMeansNoLocalEcho) {
    TerminalSettings s;
    s.localEcho = 1;
    Terminal t(s);
    t.Feed("\x1b[12h");
    EXPECT_EQ(0, t.emu.LocalEcho());
    t.Feed("\x1b[12l");
    EXPECT_EQ(1, t.emu.LocalEcho());
}

TEST(SetModes, KeyModesForTheKeyboard) {
    Terminal t;
    t.Feed("\x1b[?1h\x1b=");
    EXPECT_EQ(1, t.emu.CurrentKeyModes().cursorKeyMode);
    EXPECT_EQ(1, t.emu.CurrentKeyModes().keypadMode);
    t.Feed("\x1b[?1l\x1b>");
    EXPECT_EQ(0, t.emu.CurrentKeyModes().cursorKeyMode);
    EXPECT_EQ(0, t.emu.CurrentKeyModes().keypadMode);
}

TEST(SetModes, AutowrapAndNationalReplacementModes) {
    Terminal t;
    t.Feed("\x1b[?7h");
    EXPECT_EQ(1, t.emu.CurrentSettings().autowrap);
    t.Feed("\x1b[?42l[");
    EXPECT_EQ(1, t.emu.CurrentSettings().multinational);
    EXPECT_EQ('[', t.Char(0, 0));
    t.Feed("\x1b[?42h[\x1b[?7l");
    EXPECT_EQ(0, t.emu.CurrentSettings().multinational);
    EXPECT_EQ(196, t.Char(0, 1));
    EXPECT_EQ(0, t.emu.CurrentSettings().autowrap);
}

TEST(SetModes, UnknownModesChangeNothing) {
    Terminal t;
    t.Feed("\x1b[?2h\x1b[?99h\x1b[7h\x1b[h");
    EXPECT_EQ(1, t.emu.CurrentKeyModes().ansiMode);
    EXPECT_EQ(0, t.state.insertMode);
    EXPECT_EQ(0, t.emu.CurrentSettings().autowrap);
}

TEST(SaveRestoreCursor, RestoresPositionAttributeOriginModeAndCharacterSets) {
    Terminal t;
    t.Feed("\x1b[5;10r\x1b[?6h\x1b[3;7H\x1b[1m\x1b(0\x1b"
           "7");
    t.Feed("\x1b[?6l\x1b[H\x1b[m\x1b(B\x1b"
           "8q");
    EXPECT_EQ(6, t.emu.CursorRow());
    EXPECT_EQ(7, t.emu.CursorCol());
    EXPECT_EQ(1, t.state.originMode);
    EXPECT_EQ('-', t.Char(6, 6));
    EXPECT_EQ(AttrBold, t.Attr(6, 6));
}

TEST(SaveRestoreCursor, RestoreWithoutSaveHomesAndResets) {
    Terminal t;
    t.Feed("\x1b[?6h\x1b[7m\x1b(0\x1b[9;9H\x1b"
           "8q");
    EXPECT_EQ(0, t.state.originMode);
    EXPECT_EQ('q', t.Char(0, 0));
    EXPECT_EQ(0, t.Attr(0, 0));
}

TEST(FullReset, KeepsTheScreenButForgetsRegionTabsSavedCursorAndModes) {
    Terminal t(WithAutowrap());
    t.Feed("keep\x1b[5;10r\x1b[3g\x1b[4h\x1b[?6h\x1b[7m\x1b[2;2H\x1b"
           "7\x1b"
           "c");
    EXPECT_EQ("keep", t.Row(0));
    EXPECT_EQ(0, t.state.scrollTop);
    EXPECT_EQ(23, t.state.scrollBottom);
    EXPECT_EQ(0, t.state.insertMode);
    EXPECT_EQ(0, t.state.originMode);
    EXPECT_EQ(0, t.state.attribute);
    EXPECT_EQ(1, t.emu.CurrentSettings().autowrap);
    EXPECT_EQ(0, t.emu.CursorRow());
    EXPECT_EQ(0, t.emu.CursorCol());
    EXPECT_EQ(-1, t.state.savedRow);
    t.Feed("\tT");
    EXPECT_EQ('T', t.Char(0, 8));
}

TEST(FullReset, PendingSingleShiftDoesNotSurviveAReset) {
    Terminal t;
    t.Feed("\x1b(0\x1bN");
    t.emu.ResetTerminal();
    t.Feed("qq");
    EXPECT_EQ("qq", t.Row(0));
}

TEST(Settings, StartFromAnEmptySettingsFile) {
    Terminal t;
    TerminalSettings s = t.emu.CurrentSettings();
    EXPECT_EQ(1, s.emulation);
    EXPECT_EQ(1, s.nationalSet);
    EXPECT_EQ(0, s.multinational);
    EXPECT_EQ(0, s.autowrap);
    EXPECT_EQ(0, s.newlineMode);
    EXPECT_EQ(1, t.emu.CurrentKeyModes().ansiMode);
    EXPECT_EQ(196, t.state.charsets.displayTable[int('[')]);
}

TEST(Settings, OutOfRangeValuesTakeTheirDefaults) {
    TerminalSettings s;
    s.emulation = 5;
    s.nationalSet = 9;
    s.autowrap = 4;
    Terminal t(s);
    EXPECT_EQ(1, t.emu.CurrentSettings().emulation);
    EXPECT_EQ(1, t.emu.CurrentSettings().nationalSet);
    EXPECT_EQ(1, t.emu.CurrentSettings().autowrap);
    t.Feed("\x1b[c");
    EXPECT_EQ("\x1b[?1;2c", t.host.replies);
}

TEST(Settings, ChangingTheEmulationResetsButKeepsTheScreen) {
    Terminal t;
    t.Feed("text\x1b[5;10r\x1b[4h");
    TerminalSettings s = t.emu.CurrentSettings();
    s.emulation = 2;
    s.monitorMode = 1;
    t.emu.ApplySettings(s, 1, 0);
    EXPECT_EQ("text", t.Row(0));
    EXPECT_EQ(0, t.state.scrollTop);
    EXPECT_EQ(0, t.state.insertMode);
    EXPECT_EQ(0, t.emu.CurrentSettings().monitorMode);
    EXPECT_EQ(2, t.emu.CurrentSettings().emulation);
}

TEST(Settings, ChangingOnlyTheNationalSetKeepsModes) {
    Terminal t;
    t.Feed("\x1b[5;10r");
    TerminalSettings s = t.emu.CurrentSettings();
    s.nationalSet = 2;
    t.emu.ApplySettings(s, 0, 1);
    EXPECT_EQ(4, t.state.scrollTop);
    EXPECT_EQ(201, t.state.charsets.displayTable[int('@')]);
}

TEST(Settings, MultinationalCommandTwiceRestoresTheCharacterSets) {
    Terminal t;
    t.Feed("\x1b)0\x0e");
    t.emu.ToggleMultinational();
    EXPECT_EQ(1, t.emu.CurrentSettings().multinational);
    EXPECT_EQ(0xC4, t.state.charsets.displayTable[0xC4]);
    t.emu.ToggleMultinational();
    EXPECT_EQ(0, t.emu.CurrentSettings().multinational);
    EXPECT_EQ(196, t.state.charsets.displayTable[int('[')]);
    EXPECT_EQ(0, t.state.charsets.invokedGL);
}

TEST(Geometry, UnannouncedSizeChangeResetsMarginsBeforeTheNextByte) {
    Terminal t;
    t.Feed("\x1b[5;24r\x1b[24;1H");
    t.screen->lines = 10;
    t.Feed("x");
    EXPECT_EQ(0, t.state.scrollTop);
    EXPECT_EQ(9, t.state.scrollBottom);
    EXPECT_EQ(9, t.emu.CursorRow());
    EXPECT_EQ('x', t.Char(9, 0));
}

TEST(Geometry, CursorSetOffTheScreenFromOutsideIsBroughtBackBeforeTheNextByte) {
    Terminal t;
    t.emu.SetCursorRow(500);
    t.Feed("z");
    EXPECT_EQ('z', t.Char(23, 0));
    EXPECT_EQ(23, t.emu.CursorRow());
    EXPECT_EQ(1, t.emu.CursorCol());
}

TEST(Geometry, ResetGeometryKeepsTheCursorAndUpdatesTheSizeItem) {
    Terminal t;
    int before = t.host.sizeItemUpdates;
    t.Feed("\x1b[20;70H");
    t.screen->lines = 12;
    t.screen->columns = 40;
    t.emu.ResetGeometry();
    EXPECT_EQ(11, t.emu.CursorRow());
    EXPECT_EQ(39, t.emu.CursorCol());
    EXPECT_EQ(11, t.state.scrollBottom);
    EXPECT_EQ(before + 1, t.host.sizeItemUpdates);
}

} // namespace
