#include "settings/SettingsPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string SettingsFor(const char* module) {
    char path[SettingsPathSize];
    MakeSettingsPath(module, path);
    return path;
}

std::string LogFor(const char* windows, const char* settings) {
    char path[LogFilePathSize];
    MakeDefaultLogFile(windows, settings, UpperCaseAnsi, path);
    return path;
}

} // namespace

TEST(SettingsPath, NameOfExecutableUpToFirstDotThenIni) {
    EXPECT_EQ(SettingsFor("C:\\TOOLS\\LUMO32.EXE"), "LUMO32.INI");
    EXPECT_EQ(SettingsFor("C:\\TOOLS\\MY.TEL.EXE"), "MY.INI");
    EXPECT_EQ(SettingsFor("C:\\DIR.X\\TERM.EXE"), "TERM.INI");
    EXPECT_EQ(SettingsFor("LUMO32.EXE"), "LUMO32.INI");
}

TEST(SettingsPath, NameWithoutDotGetsExtension) {
    EXPECT_EQ(SettingsFor("C:\\TOOLS\\LUMO32"), "LUMO32.INI");
    EXPECT_EQ(SettingsFor("C:\\TOOLS\\"), "LUMO32.INI");
    EXPECT_EQ(SettingsFor(""), "LUMO32.INI");
    EXPECT_EQ(SettingsFor(nullptr), "LUMO32.INI");
}

TEST(SettingsPath, LongNamesStillEndInIni) {
    const std::string dir(300, 'd');
    EXPECT_EQ(SettingsFor((dir + "\\LUMO32.EXE").c_str()), "LUMO32.INI");
    const std::string name(200, 'n');
    const std::string made = SettingsFor(("C:\\" + name + ".EXE").c_str());
    EXPECT_EQ(made.size(), 127u);
    EXPECT_EQ(made.substr(123), ".INI");
}

TEST(DefaultLogFile, WindowsDirectoryAndSettingsNameInUpperCase) {
    EXPECT_EQ(LogFor("C:\\WINDOWS", "LUMO32.INI"), "C:\\WINDOWS\\LUMO32.LOG");
    EXPECT_EQ(LogFor("C:\\", "lumo32.ini"), "C:\\LUMO32.LOG");
    EXPECT_EQ(LogFor("C:\\WINDOWS", "my.tel.ini"), "C:\\WINDOWS\\MY.LOG");
    EXPECT_EQ(LogFor("C:\\WINDOWS", "NODOT"), "C:\\WINDOWS\\NODOT.LOG");
}

TEST(DefaultLogFile, SettingsPathWithDirectoryKeepsItsDirectory) {
    EXPECT_EQ(LogFor("C:\\WINDOWS", "C:\\CFG\\ALT.INI"), "C:\\CFG\\ALT.LOG");
    EXPECT_EQ(LogFor("C:\\WINDOWS", "c:\\my.cfg\\alt"), "C:\\MY.CFG\\ALT.LOG");
    EXPECT_EQ(LogFor("C:\\WINDOWS", "D:ALT.INI"), "D:ALT.LOG");
}

TEST(DefaultLogFile, LongestInputsFitTheBuffer) {
    const std::string windows(200, 'w');
    const std::string settings(127, 's');
    const std::string made = LogFor(windows.c_str(), settings.c_str());
    EXPECT_EQ(made, std::string(128, 'w') + "\\" + std::string(126, 'S') + ".LOG");
    EXPECT_LE(made.size(), 259u);
    const std::string deep(300, 'x');
    const std::string cut = LogFor("C:\\WINDOWS", (deep + "\\A.INI").c_str());
    EXPECT_EQ(cut.size(), 259u);
}
