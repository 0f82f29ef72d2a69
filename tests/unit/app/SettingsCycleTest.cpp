#include "settings/ProfileTestSupport.h"

#include "app/CommandLine.h"
#include "app/WindowPlacement.h"
#include "emulator/TerminalSettings.h"
#include "screen/DisplaySettings.h"
#include "textsvc/LoggingSettings.h"

#include <gtest/gtest.h>

namespace {

// Everything read at start-up, and written back at exit in the order the
// window layers are destroyed: terminal, window placement, logging (the
// command layer's log), display.
struct AllSettings {
    DisplaySettings display;
    LoggingSettings logging;
    WindowSettings window;
    TerminalSettings terminal;
};

AllSettings ReadAll(Profile& profile, const char* settingsPath) {
    AllSettings s;
    s.display = ReadDisplaySettings(profile);
    s.logging = ReadLoggingSettings(profile, "C:\\WINDOWS", settingsPath, UpperCaseAnsi);
    s.window = ReadWindowSettings(profile);
    s.terminal = ReadTerminalSettings(profile);
    return s;
}

void WriteAll(Profile& profile, const AllSettings& s) {
    WriteTerminalSettings(profile, s.terminal, s.display.columns, s.window.softSize);
    WriteWindowSettings(profile, s.window);
    WriteLoggingSettings(profile, s.logging);
    WriteDisplaySettings(profile, s.display);
}

} // namespace

TEST(SettingsCycle, FirstStartWithoutFileThenExitCreatesThreeSections) {
    IniProfile file;
    AllSettings s = ReadAll(file, "LUMO32.INI");
    FrameMetrics metrics;
    metrics.cxVScroll = 16;
    ScreenGeometry screen;
    screen.cellWidth = 8;
    screen.cellHeight = 16;
    screen.columns = s.display.columns;
    screen.lines = s.display.lines;
    const WindowPlacement p = PlaceWindow(s.window, screen, metrics);
    EXPECT_EQ(p.defaultPosition, 1);
    EXPECT_EQ(p.width, 80 * 8 + 16);
    EXPECT_EQ(p.height, 24 * 16);

    WindowAtExit atExit;
    atExit.left = 30;
    atExit.top = 40;
    atExit.frameWidth = p.width;
    atExit.frameHeight = p.height;
    s.window.windowRect = StoredWindowRect(atExit, metrics);
    WriteAll(file, s);
    EXPECT_EQ(file.Text(),
              "[Terminal]\r\nEmulation=1\r\nEightbit=0\r\nLocalEcho=0\r\n"
              "KbdLanguage=1\r\nFlags=0\r\n"
              "[Window]\r\nTop=40\r\nBottom=424\r\nLeft=30\r\nRight=686\r\n"
              "RememberOrigin=0\r\nVerticalScrollBar=1\r\nAutoFocus=0\r\nSoftSize=0\r\n"
              "ColorScheme=0\r\nFont=Courier\r\nFontSize=10\r\nLogicalLines=24\r\n"
              "LogicalColumns=80\r\n"
              "[Logging]\r\nLogFile=C:\\WINDOWS\\LUMO32.LOG\r\nPolicy=1\r\nActive=0\r\n");

    // The next start keeps the size but lets the system place the window.
    const AllSettings again = ReadAll(file, "LUMO32.INI");
    const WindowPlacement second = PlaceWindow(again.window, screen, metrics);
    EXPECT_EQ(second.defaultPosition, 1);
    EXPECT_EQ(second.width, p.width);
    EXPECT_EQ(second.height, p.height);
}

TEST(SettingsCycle, WriteThenReadGivesBackWhatWasRead) {
    IniProfile file = MakeIni("[Window]\nLogicalColumns=200\nLogicalLines=1\nFont=Fixedsys\n"
                              "FontSize=14\nColorScheme=9\nTop=5\nBottom=505\nLeft=6\nRight=706\n"
                              "RememberOrigin=1\nVerticalScrollBar=0\n[Logging]\nActive=1\n"
                              "Policy=2\nLogFile=D:\\S.LOG\n[Terminal]\nEmulation=2\n"
                              "KbdLanguage=0\nFlags=31\nEightbit=1\n");
    const AllSettings first = ReadAll(file, "LUMO32.INI");
    WriteAll(file, first);
    const AllSettings second = ReadAll(file, "LUMO32.INI");
    EXPECT_EQ(second.display.columns, 132);
    EXPECT_EQ(second.display.lines, 3);
    EXPECT_STREQ(second.display.fontFace, "Fixedsys");
    EXPECT_EQ(second.display.colorScheme, 9);
    EXPECT_STREQ(second.logging.logFilePath, "D:\\S.LOG");
    EXPECT_EQ(second.logging.loggingMode, 2);
    EXPECT_EQ(second.window.windowRect.right, 706);
    EXPECT_EQ(second.window.rememberOrigin, 1);
    EXPECT_EQ(second.window.verticalScrollBar, 0);
    EXPECT_EQ(second.terminal.emulation, 2);
    EXPECT_EQ(second.terminal.nationalSet, 0);
    EXPECT_EQ(MakeTerminalFlags(second.terminal, 80, 0), 15);
    EXPECT_EQ(file.GetInt("Terminal", "Flags", 0), 31) << "132 columns with SoftSize off";
}

TEST(SettingsCycle, SettingsFileFromCommandLineNamesTheDefaultLog) {
    char tail[] = "-i c:\\cfg\\alt.ini myhost";
    ArgumentTable table;
    SplitCommandLine("C:\\TOOLS\\LUMO32.EXE", tail, table);
    UpperCaseArguments(table, UpperCaseAnsi);
    CommandLineOptions options;
    MakeSettingsPath(table.programPath, options.settingsPath);
    ReadCommandLine(table, options);
    ASSERT_STREQ(options.settingsPath, "C:\\CFG\\ALT.INI");
    IniProfile empty;
    EXPECT_STREQ(ReadAll(empty, options.settingsPath).logging.logFilePath, "C:\\CFG\\ALT.LOG");

    char bare[] = "-I alt.ini";
    SplitCommandLine("C:\\TOOLS\\LUMO32.EXE", bare, table);
    UpperCaseArguments(table, UpperCaseAnsi);
    ReadCommandLine(table, options);
    EXPECT_STREQ(ReadAll(empty, options.settingsPath).logging.logFilePath, "C:\\WINDOWS\\ALT.LOG");
}

namespace {

// The Cyrillic code page (1251) as the system upper-cases it: "я" (0xFF)
// becomes "Я" (0xDF), where the Western table gives 0x9F.
void CyrillicUpperCase(char* text) {
    for (; *text; ++text) {
        unsigned char c = static_cast<unsigned char>(*text);
        if ((c >= 'a' && c <= 'z') || c >= 0xe0) *text = static_cast<char>(c - 32);
    }
}

} // namespace

TEST(SettingsCycle, CommandLineAndDefaultLogTakeTheGivenUpperCasing) {
    char tail[] = "-i \xff.ini h\xff";
    ArgumentTable table;
    SplitCommandLine("C:\\TOOLS\\LUMO32.EXE", tail, table);
    UpperCaseArguments(table, CyrillicUpperCase);
    CommandLineOptions options;
    ReadCommandLine(table, options);
    EXPECT_STREQ(options.settingsPath, "\xdf.INI");
    EXPECT_STREQ(options.host, "H\xdf");
    IniProfile empty;
    LoggingSettings logging =
        ReadLoggingSettings(empty, "C:\\WINDOWS", "\xff.ini", CyrillicUpperCase);
    EXPECT_STREQ(logging.logFilePath, "C:\\WINDOWS\\\xdf.LOG");
}
