#include "TerminalHarness.h"

#include <gtest/gtest.h>

namespace {

// A DEC terminal that has just written the last column keeps its cursor on
// that column; only the next graphic character wraps. Every other operation
// acts as if the cursor stood on the last column.
struct LastColumnCase {
    const char* what;
    int emulation;
    int autowrap;
    std::string stream;
    int row;
    std::string text;
    int cursorRow;
    int cursorCol;
};

std::string Full() {
    return std::string(79, 'c') + "d";
}

TEST(LastColumn, EveryOperationButAGraphicCharacterStandsOnTheLastColumn) {
    const std::string c78(78, 'c'), c79(79, 'c'), gap79(79, ' ');
    const LastColumnCase cases[] = {
        {"BS", 1, 1, Full() + "\bZ", 0, c78 + "Zd", 0, 79},
        {"CUB", 1, 1, Full() + "\x1b[DZ", 0, c78 + "Zd", 0, 79},
        {"CUB 5", 1, 1, Full() + "\x1b[5DZ", 0, std::string(74, 'c') + "Zccccd", 0, 75},
        {"CUF", 1, 1, Full() + "\x1b[CZ", 0, c79 + "Z", 0, 80},
        {"HT", 1, 1, Full() + "\tZ", 0, c79 + "Z", 0, 80},
        {"EL 0", 1, 1, Full() + "\x1b[K", 0, c79, 0, 79},
        {"EL 1", 1, 1, Full() + "\x1b[1K", 0, "", 0, 79},
        {"ED 0", 1, 1, Full() + "\x1b[J", 0, c79, 0, 79},
        {"ICH", 1, 1, Full() + "\x1b[@", 0, c79, 0, 79},
        {"DCH", 1, 1, Full() + "\x1b[P", 0, c79, 0, 79},
        {"ECH", 1, 1, Full() + "\x1b[X", 0, c79, 0, 79},
        {"LF", 1, 1, Full() + "\nZ", 1, gap79 + "Z", 1, 80},
        {"IND", 1, 1,
         Full() + "\x1b"
                  "DZ",
         1, gap79 + "Z", 1, 80},
        {"CUD", 1, 1, Full() + "\x1b[BZ", 1, gap79 + "Z", 1, 80},
        {"RI", 1, 1, "\x1b[2H" + Full() + "\x1bMZ", 0, gap79 + "Z", 0, 80},
        {"CUU", 1, 1, "\x1b[2H" + Full() + "\x1b[AZ", 0, gap79 + "Z", 0, 80},
        {"DECSC", 1, 1,
         Full() + "\x1b"
                  "7\r\x1b"
                  "8Z",
         0, c79 + "Z", 0, 80},
        {"autowrap off", 1, 0, Full() + "\bZ", 0, c78 + "Zd", 0, 79},
        {"VT52 cursor left", 1, 1,
         "\x1b[?2l" + Full() +
             "\x1b"
             "DZ",
         0, c78 + "Zd", 0, 79},
        {"TTY BS", 0, 1, Full() + "\bZ", 0, c78 + "Zd", 0, 79},
        {"SGR keeps the wrap", 1, 1, Full() + "\x1b[1mZ", 1, "Z", 1, 1},
        {"DSR keeps the wrap", 1, 1, Full() + "\x1b[6nZ", 1, "Z", 1, 1},
        {"DECSC keeps the wrap", 1, 1,
         Full() + "\x1b"
                  "7Z",
         1, "Z", 1, 1},
    };
    for (const LastColumnCase& c : cases) {
        TerminalSettings s;
        s.emulation = c.emulation;
        s.autowrap = c.autowrap;
        Terminal t(s);
        t.Feed(c.stream);
        EXPECT_EQ(c.text, t.Row(c.row)) << c.what;
        EXPECT_EQ(c.cursorRow, t.emu.CursorRow()) << c.what;
        EXPECT_EQ(c.cursorCol, t.emu.CursorCol()) << c.what;
    }
}

TEST(LastColumn, MarksAndReportsUseTheLastColumn) {
    Terminal t(WithAutowrap());
    t.Feed("\x1b[3g" + Full() + "\x1bH\x1b[6n");
    EXPECT_EQ(1, t.state.tabStops[79]);
    EXPECT_EQ("\x1b[1;80R", t.host.replies);
    t.Feed("\x1b[2H" + Full() + "\x1b[g");
    EXPECT_EQ(0, t.state.tabStops[79]);
}

// On a double-width line the last column is the last character's first cell.
TEST(LastColumn, DoubleWidthLineStandsOnItsLastCharacter) {
    Terminal t(WithAutowrap());
    t.Feed("\x1b#6" + std::string(39, 'c') + "d\bZ");
    EXPECT_EQ('Z', t.Char(0, 76));
    EXPECT_EQ('d', t.Char(0, 78));
    EXPECT_EQ(78, t.emu.CursorCol());
    t.Feed("\x1b[1;40H\x1b[7md\x1b[1J");
    EXPECT_EQ("", t.Row(0));
    EXPECT_EQ(0, t.Attr(0, 79));
    EXPECT_EQ(1, t.state.lineWidth[0]);
    // On an odd width the last character has no room for its padding cell;
    // without autowrap a further character replaces it there.
    Terminal odd(TerminalSettings(), 81, 24);
    odd.Feed("\x1b#6" + std::string(41, 'c') + "Z\bY");
    EXPECT_EQ('Y', odd.Char(0, 78));
    EXPECT_EQ(' ', odd.Char(0, 79));
    EXPECT_EQ('Z', odd.Char(0, 80));
}

// Letters drawn down the left and right margins of a scrolling region, each
// row by a different mix of controls at the right margin; a DEC terminal
// leaves the pairs in order.
std::string MarginLettersStream() {
    std::string s = "\x1b[3;21r\x1b[?6h";
    const std::string bottom = "\x1b[19;", above = "\x1b[18;";
    for (int i = 0; i < 26; ++i) {
        char left = char('A' + i), right = char('a' + i), previous = char('a' + i - 1);
        switch (i % 4) {
        case 0: s += bottom + "1H" + left + bottom + "80H" + right + "\n"; break;
        case 1:
            s += above + "80H" + previous + left;
            s += bottom + "80H" + left + "\b " + right + "\n";
            break;
        case 2:
            s += bottom + "80H" + left + "\b\b\t\t" + right + bottom + "2H\b" + left + "\n";
            break;
        default: s += bottom + "80H\n" + above + "1H" + left + above + "80H" + right; break;
        }
    }
    return s;
}

TEST(LastColumn, MarginLettersMixingControlsAndCharactersStayInOrder) {
    Terminal t(WithAutowrap());
    t.Feed(MarginLettersStream());
    for (int row = 2; row <= 19; ++row) {
        char left = char('I' + row - 2);
        std::string expected = left + std::string(78, ' ') + char(left - 'A' + 'a');
        EXPECT_EQ(expected, t.Row(row)) << "row " << row;
    }
    EXPECT_EQ("", t.Row(20));
}

// A frame of stars with a ring of plus signs inside; the right edge is drawn
// by writing the star in the last column and stepping back for the plus.
std::string FrameStream() {
    std::string s = std::string(80, '*') + "\r\n";
    for (int row = 2; row <= 23; ++row)
        s += std::string("*+\x1b[99C*\x1b[D+") + (row < 23 ? "\r\n" : "");
    s += "\x1b[2;3H" + std::string(76, '+') + "\x1b[23;3H" + std::string(76, '+');
    s += "\x1b[24;1H" + std::string(80, '*');
    return s;
}

TEST(LastColumn, FrameDrawnAtTheRightEdgeIsUnbroken) {
    Terminal t(WithAutowrap());
    t.Feed(FrameStream());
    const std::string stars(80, '*'), ring = "*" + std::string(78, '+') + "*";
    const std::string side = "*+" + std::string(76, ' ') + "+*";
    for (int row = 0; row < 24; ++row) {
        const std::string& expected = row == 0 || row == 23   ? stars
                                      : row == 1 || row == 22 ? ring
                                                              : side;
        EXPECT_EQ(expected, t.Row(row)) << "row " << row;
    }
    EXPECT_TRUE(t.History().empty());
}

} // namespace
