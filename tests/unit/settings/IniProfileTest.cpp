#include "settings/ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {

std::string Get(IniProfile& ini, const char* section, const char* key, const char* def = "?") {
    char out[64];
    ini.GetString(section, key, def, out, sizeof out);
    return out;
}

// The names of a list in the form "a,b,c".
std::string Names(const char* list) {
    std::string joined;
    for (const char* p = list; *p; p += std::strlen(p) + 1)
        joined += (joined.empty() ? "" : ",") + std::string(p);
    return joined;
}

} // namespace

TEST(IniProfileLookup, NamesIgnoreCaseAndSurroundingBlanks) {
    IniProfile ini = MakeIni("[ window ]\r\n  logicalCOLUMNS =  100  \r\nFont = Lucida Console \n");
    EXPECT_EQ(ini.GetInt("Window", "LogicalColumns", 80), 100);
    EXPECT_EQ(Get(ini, "WINDOW", "font"), "Lucida Console");
    EXPECT_EQ(Get(ini, " Window ", " Font "), "Lucida Console");
}

TEST(IniProfileLookup, FirstOfEqualNamesWins) {
    IniProfile ini = MakeIni("[A]\nk=1\nK=2\n[a]\nk=3\nx=4\n");
    EXPECT_EQ(ini.GetInt("A", "k", 0), 1);
    // A key only in the second section of the same name is not seen.
    EXPECT_EQ(ini.GetInt("A", "x", -1), -1);
}

TEST(IniProfileLookup, MissingFileSectionOrKeyGivesDefault) {
    IniProfile empty;
    EXPECT_EQ(empty.GetInt("Window", "Top", 7), 7);
    EXPECT_EQ(Get(empty, "Window", "Font", "Courier"), "Courier");
    IniProfile ini = MakeIni("[Window]\nTop=5\n");
    EXPECT_EQ(ini.GetInt("Terminal", "Top", 9), 9);
    EXPECT_EQ(ini.GetInt("Window", "Left", -4), -4);
    EXPECT_EQ(Get(ini, "Window", "Font", "Courier  "), "Courier")
        << "trailing blanks of a default go";
}

TEST(IniProfileLookup, OtherLinesAreIgnoredButKept) {
    const std::string text = "before\r\n[Window]\r\n; Top=9\r\nno equals sign\r\nTop=3\r\n\r\n";
    IniProfile ini = MakeIni(text);
    EXPECT_EQ(ini.GetInt("Window", "Top", 0), 3);
    EXPECT_EQ(ini.GetInt("Window", "no equals sign", -1), -1);
    EXPECT_EQ(ini.Text(), text);
}

TEST(IniProfileInt, ReadsLeadingDigitsWithSign) {
    IniProfile ini =
        MakeIni("[S]\na=42\nb=-17\nc=+8\nd=12abc\ne=abc\nf=-\ng=\nh= 7 \ni=4294967297\n");
    EXPECT_EQ(ini.GetInt("S", "a", 0), 42);
    EXPECT_EQ(ini.GetInt("S", "b", 0), -17);
    EXPECT_EQ(ini.GetInt("S", "c", 0), 8);
    EXPECT_EQ(ini.GetInt("S", "d", 0), 12);
    EXPECT_EQ(ini.GetInt("S", "e", 5), 0) << "garbage gives 0, not the default";
    EXPECT_EQ(ini.GetInt("S", "f", 5), 0);
    EXPECT_EQ(ini.GetInt("S", "g", 5), 5) << "an empty value gives the default";
    EXPECT_EQ(ini.GetInt("S", "h", 0), 7);
    EXPECT_EQ(ini.GetInt("S", "i", 0), 1) << "digits wrap around in 32 bits";
}

TEST(IniProfileString, CutsToBufferAndReportsLength) {
    IniProfile ini = MakeIni("[S]\nk=abcdefgh\n");
    char out[5];
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(ini.GetString("S", "k", "", out, 5), 4);
    EXPECT_STREQ(out, "abcd");
    char one[1] = {'x'};
    EXPECT_EQ(ini.GetString("S", "k", "", one, 1), 0);
    EXPECT_EQ(one[0], 0);
    char untouched = 'x';
    EXPECT_EQ(ini.GetString("S", "k", "", &untouched, 0), 0);
    EXPECT_EQ(untouched, 'x');
}

TEST(IniProfileWrite, CreatesSectionAndKeyAndReplacesValue) {
    IniProfile ini;
    ini.WriteString("Terminal", "Emulation", "2");
    ini.WriteString("Window", "Top", "10");
    ini.WriteString("terminal", "EMULATION", "0");
    EXPECT_EQ(ini.Text(), "[Terminal]\r\nEmulation=0\r\n[Window]\r\nTop=10\r\n");
}

TEST(IniProfileWrite, NewKeyGoesAfterTheSectionsLastKey) {
    IniProfile ini = MakeIni("[A]\r\nx=1\r\n\r\n[B]\r\n");
    ini.WriteString("A", "y", "2");
    EXPECT_EQ(ini.Text(), "[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\n");
}

TEST(IniProfileWrite, NullValueRemovesKeyAndNullKeyRemovesSection) {
    IniProfile ini = MakeIni("[Macros]\nlogin=me\\N\nbye=exit\\N\n[Window]\nTop=1\n");
    ini.WriteString("MACROS", "Login", nullptr);
    EXPECT_EQ(Get(ini, "Macros", "login"), "?");
    EXPECT_EQ(Get(ini, "Macros", "bye"), "exit\\N");
    ini.WriteString("Macros", "absent", nullptr);
    ini.WriteString("Macros", nullptr, nullptr);
    EXPECT_EQ(ini.Text(), "[Window]\r\nTop=1\r\n");
}

TEST(IniProfileList, NamesEachZeroTerminatedWithFinalZero) {
    IniProfile ini = MakeIni("[Macros]\nab=1\n;c=2\ncd=3\n");
    char out[16];
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(ini.ListKeys("macros", out, sizeof out), 6);
    EXPECT_EQ(std::memcmp(out, "ab\0cd\0\0", 7), 0);
    EXPECT_EQ(ini.ListKeys("Absent", out, sizeof out), 0);
    EXPECT_EQ(out[0], 0);
    char viaString[16];
    EXPECT_EQ(ini.GetString("Macros", nullptr, "", viaString, sizeof viaString), 6);
    EXPECT_EQ(Names(viaString), "ab,cd");
}

TEST(IniProfileList, CutListEndsWithTwoZerosInsideTheBuffer) {
    IniProfile ini = MakeIni("[M]\nfirst=1\nsecond=2\n");
    char out[11];
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(ini.ListKeys("M", out, 10), 8);
    EXPECT_EQ(std::memcmp(out, "first\0se\0\0", 10), 0);
    EXPECT_EQ(out[10], 'x');
    char tiny[2] = {'x', 'x'};
    EXPECT_EQ(ini.ListKeys("M", tiny, 2), 0);
    EXPECT_EQ(tiny[0], 0);
    EXPECT_EQ(tiny[1], 0);
}

TEST(IniProfileText, LoadSerialiseLoadGivesTheSameValues) {
    const char raw[] = "[Window]\rTop=1\n\n[Logging]\r\nLogFile=C:\\X.LOG\0junk=2\n[Empty]";
    IniProfile first = MakeIni(std::string(raw, sizeof raw - 1));
    IniProfile second = MakeIni(first.Text());
    EXPECT_EQ(second.Text(), first.Text());
    EXPECT_EQ(Get(second, "Logging", "LogFile"), "C:\\X.LOG");
    EXPECT_EQ(Get(second, "Logging", "junk"), "2") << "a zero byte ends a line";
    char list[8];
    EXPECT_EQ(second.ListKeys("Empty", list, sizeof list), 0);
}

TEST(IniProfileList, EmptyKeyNameDoesNotEndTheListEarly) {
    IniProfile ini = MakeIni("[Macros]\na=1\n=2\nb=3\n");
    char out[16];
    EXPECT_EQ(ini.ListKeys("Macros", out, sizeof out), 4);
    EXPECT_EQ(Names(out), "a,b");
}

TEST(IniProfileString, OnePairOfEnclosingQuotesIsRemoved) {
    IniProfile ini = MakeIni("[S]\na=\"x y\"\nb='z'\nc=\"q'\nd=\"\ne=\"\"two\"\"\nf=\" 5\"\n");
    EXPECT_EQ(Get(ini, "S", "a"), "x y");
    EXPECT_EQ(Get(ini, "S", "b"), "z");
    EXPECT_EQ(Get(ini, "S", "c"), "\"q'");
    EXPECT_EQ(Get(ini, "S", "d"), "\"");
    EXPECT_EQ(Get(ini, "S", "e"), "\"two\"");
    EXPECT_EQ(ini.GetInt("S", "f", 0), 5);
}

TEST(IniProfileFile, SavedFileLoadsTheSameAndMissingFileIsEmpty) {
    const std::string path = testing::TempDir() + "lumo_settings_test.ini";
    IniProfile written;
    written.WriteString("Window", "Font", "Courier New");
    written.WriteString("Logging", "Active", "1");
    ASSERT_TRUE(written.SaveFile(path.c_str()));
    IniProfile read = MakeIni("[Old]\nk=v\n");
    ASSERT_TRUE(read.LoadFile(path.c_str()));
    EXPECT_EQ(read.Text(), written.Text());
    std::remove(path.c_str());
    EXPECT_FALSE(read.LoadFile(path.c_str()));
    EXPECT_EQ(read.Text(), "");
    EXPECT_FALSE(written.SaveFile((testing::TempDir() + "no/such/dir/x.ini").c_str()));
}
