#include "TerminalHarness.h"
#include "emulator/CharacterCells.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TerminalSettings Utf8(int emulation = Emulator::Vt100, int autowrap = 0) {
    TerminalSettings s;
    s.emulation = emulation;
    s.autowrap = autowrap;
    s.utf8 = 1;
    return s;
}

// Bytes from a UTF-8 host in, the first row (Windows-1252 cells) and the
// cursor column out.
struct DecodeCase {
    const char* name;
    const char* bytes;
    const char* row;
    int column;
};

const DecodeCase kDecodeCases[] = {
    {"two-byte letter", "caf\xC3\xA9", "caf\xE9", 4},
    {"three-byte letters of the code page's upper range", "\xE2\x80\x9Cq\xE2\x80\x9D \xE2\x82\xAC",
     "\x93q\x94 \x80", 5},
    {"no look-alike for a letter the code page lacks", "\xC4\x80", "?", 1},
    {"wide ideograph: replacement and blank", "\xE4\xB8\xAD|", "? |", 3},
    {"four-byte wide emoji", "\xF0\x9F\x98\x80|", "? |", 3},
    {"four-byte narrow character", "\xF0\x90\x8C\x80|", "?|", 2},
    {"combining mark takes no cell", "e\xCC\x81x", "ex", 2},
    {"zero-width joiner takes no cell",
     "a\xE2\x80\x8D"
     "b",
     "ab", 2},
    {"light, heavy, double and arc box drawing",
     "\xE2\x94\x80\xE2\x94\x83\xE2\x94\x8C\xE2\x95\xAC\xE2\x95\xAD\xE2\x94\xA4", "-|++++", 6},
    {"checkerboard, degree and middle dot from the special graphics",
     "\xE2\x96\x92\xC2\xB0\xC2\xB7", "X\xB0\xB7", 3},
    {"a symbol drawn only as a plain letter is replaced", "\xE2\x97\x86\xE2\x89\xA4", "??", 2},
    {"stray continuation bytes, one each",
     "a\x80\xBF"
     "b",
     "a??b", 4},
    {"overlong forms, one per sequence", "\xC0\xAF|\xE0\x80\xAF|", "?|?|", 4},
    {"surrogate", "\xED\xA0\x80|", "?|", 2},
    {"beyond U+10FFFF", "\xF4\x90\x80\x80|\xF5\x80\x80\x80|", "?|?|", 4},
    {"bytes that begin nothing", "\xF8\xFF|", "??|", 3},
    {"sequence cut by a letter keeps the letter", "\xE2\x94Z", "?Z", 2},
    {"sequence cut by a new lead byte", "\xC3\xC3\xA9", "?\xE9", 2},
    {"sequence cut by ESC: the sequence still acts", "\xE2\x1B[3CX", "?   X", 5},
    {"sequence cut by a control: the control still acts", "ab\xC3\rZ", "Zb?", 1},
    {"national set not applied to ASCII", "[\\]", "[\\]", 3},
    {"line drawing designated on ASCII still draws", "\x1B(0qx\x1B(Bq", "-|q", 3},
    {"encoded C1 CSI acts as 8-bit CSI",
     "abc\xC2\x9B"
     "2Dd",
     "adc", 2},
    {"raw C1 byte is a stray continuation",
     "\x9B"
     "2D",
     "?2D", 3},
    {"character inside a sequence ends it without effect", "\x1B[\xC3\xA9mX", "mX", 2},
    {"single shift ends after a decoded character",
     "\x1BN\xC3\xA9"
     "A",
     "\xE9"
     "A",
     2},
};

TEST(Utf8Mode, DecodingAndCellChoice) {
    for (const DecodeCase& c : kDecodeCases) {
        Terminal t(Utf8());
        t.Feed(c.bytes);
        EXPECT_EQ(t.Row(0), c.row) << c.name;
        EXPECT_EQ(t.emu.CursorCol(), c.column) << c.name;
    }
}

TEST(Utf8Mode, TeletypeDecodesTooAndIgnoresC1) {
    Terminal t(Utf8(Emulator::Tty));
    t.Feed("caf\xC3\xA9\xC2\x9B\xE4\xB8\xAD.");
    EXPECT_EQ(t.Row(0), "caf\xE9? .");
}

TEST(Utf8Mode, EverySplitAcrossTwoBlocksDecodesAsWhole) {
    const std::string stream = "\xC3\xA9\xE2\x94\x80\xF0\x9F\x98\x80\xE0\x80\xAF\xC3Z\x80"
                               "\xE2\x1B[1mB\xC2\x9B"
                               "4C\xCC\x81.";
    Terminal whole(Utf8());
    whole.Feed(stream);
    for (size_t split = 1; split < stream.size(); ++split) {
        Terminal t(Utf8());
        t.Feed(stream.substr(0, split));
        t.Feed(stream.substr(split));
        ASSERT_EQ(t.Row(0), whole.Row(0)) << "split at " << split;
        ASSERT_EQ(t.emu.CursorCol() + t.Attr(0, 10), whole.emu.CursorCol() + whole.Attr(0, 10))
            << split;
    }
}

// With autowrap it waits for the next line; without, it takes the last two
// columns.
TEST(Utf8Mode, WideCharacterAtTheLastColumnIsNotSplit) {
    for (int autowrap : {1, 0}) {
        Terminal t(Utf8(Emulator::Vt100, autowrap));
        t.Feed(std::string(79, 'a') + "\xE4\xB8\xAD|");
        EXPECT_EQ(t.Row(0) + "/" + t.Row(1),
                  autowrap ? std::string(79, 'a') + "/? |" : std::string(78, 'a') + "?|/");
    }
}

TEST(Utf8Mode, Vt52CursorAddressTakesRawBytes) {
    Terminal t(Utf8(), 132);
    t.Feed("\x1B[?2l\x1BY\x21\xA3X");
    EXPECT_EQ(t.Char(1, 131), 'X');
}

// Off, the Finnish set is back; a half character from before is forgotten.
TEST(Utf8Mode, TurningTheModeOnAndOffKeepsTheOtherOptions) {
    Terminal t;
    TerminalSettings s = t.emu.CurrentSettings();
    for (const char* bytes : {"[\xC3", "[", "\xA9"}) {
        s.utf8 = !s.utf8;
        t.emu.ApplySettings(s, 0, 1);
        t.Feed(bytes);
    }
    EXPECT_EQ(t.Row(0), "[\xC4?");
}

TEST(Utf8Mode, SentCharactersAreEncodedOnlyInTheMode) {
    // Mode, typed character, bytes sent.
    const std::tuple<int, unsigned char, std::string> cases[] = {
        {1, 0xE9, "\xC3\xA9"}, {1, 0x80, "\xE2\x82\xAC"},
        {1, 'a', "a"},         {1, 0, std::string(1, '\0')},
        {1, 0x81, ""},         {0, 0xC4, "["},
        {0, 0xE9, "`"}};
    for (const auto& [utf8, typed, sent] : cases) {
        TerminalSettings s;
        s.utf8 = utf8;
        Terminal t(s);
        unsigned char out[4];
        int n = t.emu.EncodeSent(typed, out);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(out), n), sent) << int(typed);
    }
}

TEST(Utf8Mode, CellsFollowTheCodePageGivenWithoutLookAlikes) {
    unsigned short cyrillic[128] = {};
    cyrillic[0xC0 - 128] = 0x0410; // Cyrillic A
    cyrillic[0x85 - 128] = 0x0085; // a control code is no character
    AnsiCodePage page(cyrillic);
    CharsetState sets;
    const unsigned char* graphics = sets.glyphSets[CharsetState::SpecialGraphics];
    EXPECT_EQ(CellsFor(0x0410, page, graphics).glyph, 0xC0);
    EXPECT_EQ(CellsFor(0x00E9, page, graphics).glyph, '?');
    EXPECT_EQ(page.ToUnicode(0x85), 0u);
    EXPECT_EQ(CellsFor(0x0410, AnsiCodePage(), graphics).glyph, '?');
}

} // namespace
