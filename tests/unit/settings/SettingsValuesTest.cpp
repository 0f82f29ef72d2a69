#include "settings/ProfileTestSupport.h"

#include "settings/SettingsValues.h"

#include <gtest/gtest.h>

#include <climits>

TEST(SettingsValues, TextIsReadBackWholeWhateverItsEnds) {
    const std::string texts[] = {
        "plain",  " lead", "trail\t", "\"quoted\"",       "'single'",
        "\"open", "\"",    "",        "in \"middle\" ok", std::string(259, 'x')};
    for (const std::string& text : texts) {
        IniProfile ini;
        WriteText(ini, "S", "k", text.c_str());
        char out[260];
        ini.GetString("S", "k", "?", out, sizeof out);
        EXPECT_EQ(out, text);
    }
}

TEST(SettingsValues, PlainTextIsStoredUnquoted) {
    RecordingProfile profile;
    WriteText(profile, "S", "k", "C:\\WINDOWS\\LUMO32.LOG");
    WriteText(profile, "S", "k", " x");
    const std::vector<std::string> expected = {"S/k=C:\\WINDOWS\\LUMO32.LOG", "S/k=\" x\""};
    EXPECT_EQ(profile.writes, expected);
}

TEST(SettingsValues, IntegersAndFlags) {
    IniProfile ini;
    WriteInt(ini, "S", "min", INT_MIN);
    WriteInt(ini, "S", "flag", 7);
    EXPECT_EQ(ini.GetInt("S", "min", 0), INT_MIN);
    EXPECT_EQ(ReadFlag(ini, "S", "flag", 0), 1);
    EXPECT_EQ(ReadFlag(ini, "S", "absent", 1), 1);
    EXPECT_EQ(ReadInRange(ini, "S", "flag", 3, 0, 6), 3);
    EXPECT_EQ(ReadInRange(ini, "S", "flag", 3, 0, 7), 7);
    EXPECT_EQ(ClampToInt(1LL << 40), INT_MAX);
    EXPECT_EQ(ClampToInt(-(1LL << 40)), INT_MIN);
}
