#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <string>
#include <vector>

namespace {

// Runs the start-up's steps on a command-line tail: split, upper-case, read.
struct Started {
    explicit Started(const std::string& tail, const char* program = "C:\\TOOLS\\lumo32.exe")
        : text(tail.begin(), tail.end()) {
        text.push_back(0);
        SplitCommandLine(program, text.data(), table);
        UpperCaseArguments(table, UpperCaseAnsi);
        std::snprintf(options.settingsPath, sizeof options.settingsPath, "%s", "LUMO32.INI");
        ReadCommandLine(table, options);
    }
    std::vector<char> text;
    ArgumentTable table;
    CommandLineOptions options;
};

std::vector<std::string> Words(const ArgumentTable& table) {
    return std::vector<std::string>(table.words, table.words + table.wordCount);
}

} // namespace

TEST(CommandLineSplit, BytesUpTo32SeparateAndQuotesStay) {
    Started s(" \t myhost\x01\"-p\"\x7f\xe4x  \n");
    const std::vector<std::string> expected = {"MYHOST", "\"-P\"\x7f\xc4X"};
    EXPECT_EQ(Words(s.table), expected);
    EXPECT_STREQ(s.table.programPath, "C:\\TOOLS\\LUMO32.EXE");
}

TEST(CommandLineSplit, EmptyAndBlankTailsGiveNoWords) {
    EXPECT_EQ(Started("").table.wordCount, 0);
    EXPECT_EQ(Started("   \t\r\n").table.wordCount, 0);
    ArgumentTable table;
    SplitCommandLine(nullptr, nullptr, table);
    EXPECT_EQ(table.wordCount, 0);
    EXPECT_STREQ(table.programPath, "");
}

TEST(CommandLineSplit, WordsAfterTheNinthAreIgnored) {
    Started s("a b c d e f g h i -P 2323");
    EXPECT_EQ(s.table.wordCount, 9);
    EXPECT_STREQ(s.table.words[8], "I");
    EXPECT_EQ(s.options.port, 23);
    EXPECT_STREQ(s.options.host, "A");
}

TEST(CommandLineSplit, OverlongProgramPathIsLeftEmpty) {
    const std::string path143(143, 'p');
    EXPECT_EQ(std::string(Started("", path143.c_str()).table.programPath), std::string(143, 'P'));
    const std::string path144(144, 'p');
    EXPECT_STREQ(Started("", path144.c_str()).table.programPath, "");
}

TEST(CommandLineRead, HostAloneUsesPort23) {
    Started s("myhost");
    EXPECT_STREQ(s.options.host, "MYHOST");
    EXPECT_EQ(s.options.port, 23);
    EXPECT_STREQ(s.options.settingsPath, "LUMO32.INI");
}

TEST(CommandLineRead, PortOptionBeforeOrAfterHostInEitherCase) {
    for (const char* line : {"host -p 2323", "-P 2323 host"}) {
        Started s(line);
        EXPECT_STREQ(s.options.host, "HOST") << line;
        EXPECT_EQ(s.options.port, 2323) << line;
    }
}

TEST(CommandLineRead, BadPortsGive23) {
    EXPECT_EQ(Started("-P abc host").options.port, 23);
    EXPECT_EQ(Started("-P 0 host").options.port, 23);
    EXPECT_EQ(Started("-P 000 host").options.port, 23);
    EXPECT_EQ(Started("-P 12x host").options.port, 23);
    EXPECT_EQ(Started("-P 65536 host").options.port, 23);
    EXPECT_EQ(Started("-P 99999999999999999999 host").options.port, 23);
    EXPECT_EQ(Started("-P 65535 host").options.port, 65535);
    EXPECT_EQ(Started("-P 0080 host").options.port, 80);
}

// Every digit reads as itself, and the characters just outside "0" to "9"
// make the port bad.
TEST(CommandLineRead, PortsOfEveryDigitReadBackAndNeighboursOfTheDigitsGive23) {
    const struct {
        const char* port;
        int expected;
    } cases[] = {{"9000", 9000},   {"9", 9},    {"19", 19},  {"1234", 1234}, {"5678", 5678},
                 {"65529", 65529}, {"1/2", 23}, {"1:2", 23}, {"/", 23},      {":", 23}};
    for (const auto& c : cases)
        EXPECT_EQ(Started(std::string("-P ") + c.port + " host").options.port, c.expected)
            << c.port;
}

TEST(CommandLineRead, SettingsFileOptionIsUpperCased) {
    Started s("-i c:\\cfg\\alt.ini host");
    EXPECT_STREQ(s.options.settingsPath, "C:\\CFG\\ALT.INI");
    EXPECT_STREQ(s.options.host, "HOST");
}

TEST(CommandLineRead, OptionValueIsAlwaysConsumed) {
    Started s("-I -P -P -I host");
    EXPECT_STREQ(s.options.settingsPath, "-P");
    EXPECT_EQ(s.options.port, 23);
    EXPECT_STREQ(s.options.host, "HOST");
}

TEST(CommandLineRead, JoinedOptionIsTheHostAndLaterHostsAreIgnored) {
    Started s("-P23 second third");
    EXPECT_STREQ(s.options.host, "-P23");
}

TEST(CommandLineRead, OptionAsLastWordIsIgnored) {
    Started p("host -P");
    EXPECT_STREQ(p.options.host, "HOST");
    EXPECT_EQ(p.options.port, 23);
    Started i("host -I");
    EXPECT_STREQ(i.options.settingsPath, "LUMO32.INI");
    EXPECT_STREQ(i.options.host, "HOST");
}

TEST(CommandLineRead, OverlongWordsAreNotCutToOtherNames) {
    const std::string host79(79, 'h');
    EXPECT_EQ(std::string(Started(host79).options.host), std::string(79, 'H'));
    const std::string host80(80, 'h');
    Started longHost(host80 + " other");
    EXPECT_STREQ(longHost.options.host, "") << "the host dialog asks instead";
    const std::string path127(127, 'f');
    EXPECT_EQ(std::string(Started("-I " + path127).options.settingsPath), std::string(127, 'F'));
    const std::string path128(128, 'f');
    EXPECT_STREQ(Started("-I " + path128).options.settingsPath, "LUMO32.INI");
}

TEST(HostPort, ColonFormSplitsHostAndPort) {
    Started s("myhost:2323");
    EXPECT_STREQ(s.options.host, "MYHOST:2323");
    char host[HostTextSize];
    std::snprintf(host, sizeof host, "%s", s.options.host);
    int port = s.options.port;
    EXPECT_TRUE(SplitHostPort(host, &port));
    EXPECT_STREQ(host, "MYHOST");
    EXPECT_EQ(port, 2323);
}

TEST(HostPort, ColonPortReplacesOptionAndBadPortsGive23) {
    const struct {
        const char* text;
        int port;
    } cases[] = {{"h:abc", 23},   {"h:", 23},    {"h:0", 23},
                 {"h:70000", 23}, {"h:1:2", 23}, {"h:7", 7}};
    for (const auto& c : cases) {
        char host[HostTextSize];
        std::snprintf(host, sizeof host, "%s", c.text);
        int port = 2323;
        EXPECT_TRUE(SplitHostPort(host, &port));
        EXPECT_STREQ(host, "h");
        EXPECT_EQ(port, c.port) << c.text;
    }
    char plain[] = "plainhost";
    int port = 2323;
    EXPECT_FALSE(SplitHostPort(plain, &port));
    EXPECT_EQ(port, 2323);
    EXPECT_STREQ(plain, "plainhost");
}
