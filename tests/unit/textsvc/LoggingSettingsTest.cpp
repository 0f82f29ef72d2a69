#include "settings/ProfileTestSupport.h"

#include "textsvc/LoggingSettings.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

LoggingSettings ReadFrom(const std::string& text, const char* settingsPath = "LUMO32.INI") {
    IniProfile ini = MakeIni(text);
    return ReadLoggingSettings(ini, "C:\\WINDOWS", settingsPath, UpperCaseAnsi);
}

} // namespace

TEST(LoggingSettingsRead, EmptyFileGivesLogBesideSettingsInWindowsDirectory) {
    const LoggingSettings s = ReadFrom("");
    EXPECT_STREQ(s.logFilePath, "C:\\WINDOWS\\LUMO32.LOG");
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(s.logPolicy, 1);
    EXPECT_EQ(s.loggingMode, 0);
}

TEST(LoggingSettingsRead, StoredLogFileReplacesDefault) {
    EXPECT_STREQ(ReadFrom("[Logging]\nLogFile=D:\\logs\\session.txt\n").logFilePath,
                 "D:\\logs\\session.txt");
    const std::string longPath(300, 'p');
    EXPECT_EQ(std::string(ReadFrom("[Logging]\nLogFile=" + longPath + "\n").logFilePath),
              longPath.substr(0, 259));
}

TEST(LoggingSettingsRead, PolicyOtherThanTwoBecomesOne) {
    EXPECT_EQ(ReadFrom("[Logging]\nPolicy=7\n").logPolicy, 1);
    EXPECT_EQ(ReadFrom("[Logging]\nPolicy=0\n").logPolicy, 1);
    EXPECT_EQ(ReadFrom("[Logging]\nPolicy=-2\n").logPolicy, 1);
    EXPECT_EQ(ReadFrom("[Logging]\nPolicy=2\n").logPolicy, 2);
}

TEST(LoggingSettingsRead, ActiveTakesTheModeFromThePolicy) {
    LoggingSettings s = ReadFrom("[Logging]\nActive=1\nPolicy=2\n");
    EXPECT_EQ(s.loggingMode, 2);
    s = ReadFrom("[Logging]\nActive=9\nPolicy=7\n");
    EXPECT_EQ(s.active, 1);
    EXPECT_EQ(s.loggingMode, 1);
    s = ReadFrom("[Logging]\nActive=0\nPolicy=2\n");
    EXPECT_EQ(s.loggingMode, 0);
    EXPECT_EQ(s.logPolicy, 2);
}

TEST(LoggingSettingsRead, SettingsFileFromCommandLineNamesTheDefaultLog) {
    EXPECT_STREQ(ReadFrom("", "ALT.INI").logFilePath, "C:\\WINDOWS\\ALT.LOG");
    EXPECT_STREQ(ReadFrom("", "C:\\CFG\\ALT.INI").logFilePath, "C:\\CFG\\ALT.LOG");
}

TEST(LoggingSettingsWrite, OrderAndActiveFromLoggingMode) {
    RecordingProfile profile;
    LoggingSettings s;
    std::snprintf(s.logFilePath, sizeof s.logFilePath, "%s", "C:\\L.LOG");
    s.logPolicy = 2;
    s.active = 1;
    s.loggingMode = 0;
    WriteLoggingSettings(profile, s);
    s.loggingMode = 2;
    WriteLoggingSettings(profile, s);
    const std::vector<std::string> expected = {
        "Logging/LogFile=C:\\L.LOG", "Logging/Policy=2", "Logging/Active=0",
        "Logging/LogFile=C:\\L.LOG", "Logging/Policy=2", "Logging/Active=1"};
    EXPECT_EQ(profile.writes, expected);
}
