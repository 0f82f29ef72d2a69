#include "settings/ProfileTestSupport.h"

#include "screen/DisplaySettings.h"

#include <gtest/gtest.h>

namespace {

DisplaySettings ReadFrom(const std::string& text) {
    IniProfile ini = MakeIni(text);
    return ReadDisplaySettings(ini);
}

} // namespace

TEST(DisplaySettingsRead, EmptyFileGivesDefaults) {
    const DisplaySettings s = ReadFrom("");
    EXPECT_EQ(s.columns, 80);
    EXPECT_EQ(s.lines, 24);
    EXPECT_STREQ(s.fontFace, "Courier");
    EXPECT_EQ(s.fontSize, 10);
    EXPECT_EQ(s.colorScheme, 0);
}

TEST(DisplaySettingsRead, ColumnsBelowFiveBecomeThreeAndAbove132Become132) {
    EXPECT_EQ(ReadFrom("[Window]\nLogicalColumns=4\n").columns, 3);
    EXPECT_EQ(ReadFrom("[Window]\nLogicalColumns=-100\n").columns, 3);
    EXPECT_EQ(ReadFrom("[Window]\nLogicalColumns=5\n").columns, 5);
    EXPECT_EQ(ReadFrom("[Window]\nLogicalColumns=132\n").columns, 132);
    EXPECT_EQ(ReadFrom("[Window]\nLogicalColumns=200\n").columns, 132);
}

TEST(DisplaySettingsRead, LinesLimitedToThreeToSixty) {
    EXPECT_EQ(ReadFrom("[Window]\nLogicalLines=100\n").lines, 60);
    EXPECT_EQ(ReadFrom("[Window]\nLogicalLines=1\n").lines, 3);
    EXPECT_EQ(ReadFrom("[Window]\nLogicalLines=3\n").lines, 3);
    EXPECT_EQ(ReadFrom("[Window]\nLogicalLines=60\n").lines, 60);
}

TEST(DisplaySettingsRead, FontFaceCutTo31Characters) {
    const DisplaySettings s = ReadFrom("[Window]\nFont=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\n");
    EXPECT_STREQ(s.fontFace, "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
}

TEST(DisplaySettingsRead, FontSizeOutsideUsableRangeReadsAsDefault) {
    EXPECT_EQ(ReadFrom("[Window]\nFontSize=0\n").fontSize, 10);
    EXPECT_EQ(ReadFrom("[Window]\nFontSize=100000\n").fontSize, 10);
    EXPECT_EQ(ReadFrom("[Window]\nFontSize=-12\n").fontSize, 10);
    EXPECT_EQ(ReadFrom("[Window]\nFontSize=4\n").fontSize, 4);
    EXPECT_EQ(ReadFrom("[Window]\nFontSize=200\n").fontSize, 200);
}

TEST(DisplaySettingsRead, UnknownColourSchemeIsKeptAndWrittenBack) {
    IniProfile ini = MakeIni("[Window]\nColorScheme=7\n");
    const DisplaySettings s = ReadDisplaySettings(ini);
    EXPECT_EQ(s.colorScheme, 7);
    WriteDisplaySettings(ini, s);
    EXPECT_EQ(ini.GetInt("Window", "ColorScheme", 0), 7);
}

TEST(DisplaySettingsWrite, OrderAndValues) {
    RecordingProfile profile;
    DisplaySettings s;
    s.columns = 132;
    s.lines = 40;
    s.fontSize = 12;
    s.colorScheme = 3;
    WriteDisplaySettings(profile, s);
    const std::vector<std::string> expected = {"Window/ColorScheme=3", "Window/Font=Courier",
                                               "Window/FontSize=12", "Window/LogicalLines=40",
                                               "Window/LogicalColumns=132"};
    EXPECT_EQ(profile.writes, expected);
}
