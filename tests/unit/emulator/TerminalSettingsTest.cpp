#include "settings/ProfileTestSupport.h"

#include "emulator/TerminalSettings.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TerminalSettings ReadFrom(const std::string& text) {
    IniProfile ini = MakeIni(text);
    return ReadTerminalSettings(ini);
}

} // namespace

TEST(TerminalOptionsRead, MissingSectionGivesVt100FinnishAndOptionsOff) {
    const TerminalSettings o = ReadFrom("[Window]\nTop=1\n");
    EXPECT_EQ(o.emulation, 1);
    EXPECT_EQ(o.multinational, 0);
    EXPECT_EQ(o.nationalSet, 1);
    EXPECT_EQ(o.localEcho, 0);
    EXPECT_EQ(o.bsSendsCtrlH, 0);
    EXPECT_EQ(o.homeSendsCtrlA, 0);
    EXPECT_EQ(o.autowrap, 0);
    EXPECT_EQ(o.newlineMode, 0);
}

TEST(TerminalOptionsRead, FlagsBitsSelectTheOptions) {
    TerminalSettings o = ReadFrom("[Terminal]\nFlags=12\n");
    EXPECT_EQ(o.autowrap, 1);
    EXPECT_EQ(o.newlineMode, 1);
    EXPECT_EQ(o.bsSendsCtrlH, 0);
    EXPECT_EQ(o.homeSendsCtrlA, 0);
    o = ReadFrom("[Terminal]\nFlags=3\n");
    EXPECT_EQ(o.bsSendsCtrlH, 1);
    EXPECT_EQ(o.homeSendsCtrlA, 1);
    EXPECT_EQ(o.autowrap, 0);
    EXPECT_EQ(o.newlineMode, 0);
}

TEST(TerminalOptionsRead, Flags16AndHighBitsSetNoOption) {
    for (const char* flags : {"16", "32", "4064"}) {
        const TerminalSettings o = ReadFrom(std::string("[Terminal]\nFlags=") + flags + "\n");
        EXPECT_EQ(o.bsSendsCtrlH + o.homeSendsCtrlA + o.autowrap + o.newlineMode, 0) << flags;
    }
}

TEST(TerminalOptionsRead, ValuesOutsideTheTablesReadAsDefaults) {
    TerminalSettings o = ReadFrom("[Terminal]\nEmulation=7\nKbdLanguage=-3\n");
    EXPECT_EQ(o.emulation, 1);
    EXPECT_EQ(o.nationalSet, 1);
    o = ReadFrom("[Terminal]\nEmulation=3\nKbdLanguage=4\n");
    EXPECT_EQ(o.emulation, 1);
    EXPECT_EQ(o.nationalSet, 1);
    o = ReadFrom("[Terminal]\nEmulation=0\nKbdLanguage=3\nEightbit=5\nLocalEcho=-1\n");
    EXPECT_EQ(o.emulation, 0);
    EXPECT_EQ(o.nationalSet, 3);
    EXPECT_EQ(o.multinational, 1);
    EXPECT_EQ(o.localEcho, 1);
}

TEST(TerminalOptionsWrite, OrderAndFlagsBuiltFromOptions) {
    RecordingProfile profile;
    TerminalSettings o;
    o.emulation = 2;
    o.multinational = 1;
    o.nationalSet = 3;
    o.homeSendsCtrlA = 1;
    o.newlineMode = 1;
    WriteTerminalSettings(profile, o, 80, 0);
    const std::vector<std::string> expected = {"Terminal/Emulation=2", "Terminal/Eightbit=1",
                                               "Terminal/LocalEcho=0", "Terminal/KbdLanguage=3",
                                               "Terminal/Flags=10"};
    EXPECT_EQ(profile.writes, expected);
}

TEST(TerminalOptionsWrite, Bit4OnlyAt132ColumnsWithSoftSizeOff) {
    TerminalSettings o;
    o.autowrap = 1;
    EXPECT_EQ(MakeTerminalFlags(o, 132, 0), 20);
    EXPECT_EQ(MakeTerminalFlags(o, 132, 1), 4);
    EXPECT_EQ(MakeTerminalFlags(o, 131, 0), 4);
}

TEST(TerminalOptionsWrite, Flags16RoundTrip) {
    // Stored 16: no option on; written again only while the width is 132.
    IniProfile ini = MakeIni("[Terminal]\nFlags=16\n");
    const TerminalSettings o = ReadTerminalSettings(ini);
    WriteTerminalSettings(ini, o, 80, 0);
    EXPECT_EQ(ini.GetInt("Terminal", "Flags", -1), 0);
    WriteTerminalSettings(ini, ReadTerminalSettings(ini), 132, 0);
    EXPECT_EQ(ini.GetInt("Terminal", "Flags", -1), 16);
    WriteTerminalSettings(ini, ReadTerminalSettings(ini), 132, 1);
    EXPECT_EQ(ini.GetInt("Terminal", "Flags", -1), 0);
}

TEST(TerminalOptionsWrite, EveryOptionSurvivesWriteThenRead) {
    for (int bits = 0; bits < 16; ++bits) {
        TerminalSettings o;
        o.emulation = bits % 3;
        o.nationalSet = bits % 4;
        o.multinational = bits & 1;
        o.localEcho = (bits >> 1) & 1;
        o.bsSendsCtrlH = bits & 1;
        o.homeSendsCtrlA = (bits >> 1) & 1;
        o.autowrap = (bits >> 2) & 1;
        o.newlineMode = (bits >> 3) & 1;
        IniProfile ini;
        WriteTerminalSettings(ini, o, 132, 0);
        const TerminalSettings back = ReadTerminalSettings(ini);
        EXPECT_EQ(back.emulation, o.emulation);
        EXPECT_EQ(back.nationalSet, o.nationalSet);
        EXPECT_EQ(back.multinational, o.multinational);
        EXPECT_EQ(back.localEcho, o.localEcho);
        EXPECT_EQ(MakeTerminalFlags(back, 80, 0), bits) << bits;
    }
}

// The Utf8 key appears only once the mode was on; a file that held it keeps
// it, also when the mode is turned off.
TEST(TerminalOptionsWrite, Utf8WrittenOnlyWhenOnOrAlreadyPresent) {
    const std::tuple<const char*, int, int, const char*> cases[] = {{"Flags=0", 0, 0, "none"},
                                                                    {"Flags=0", 1, 0, "1"},
                                                                    {"Utf8=1", 0, 1, "0"},
                                                                    {"Utf8=", 0, 0, "0"}};
    for (const auto& [before, utf8, read, after] : cases) {
        IniProfile ini = MakeIni(std::string("[Terminal]\n") + before + "\n");
        TerminalSettings o = ReadTerminalSettings(ini);
        EXPECT_EQ(o.utf8, read) << before;
        o.utf8 = utf8;
        WriteTerminalSettings(ini, o, 80, 0);
        char value[8];
        ini.GetString("Terminal", "Utf8", "none", value, sizeof value);
        EXPECT_EQ(std::string(value), after) << before << utf8;
    }
}
