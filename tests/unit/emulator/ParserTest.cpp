#include "TerminalHarness.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

CsiParams Params(const char* chars) {
    return ParseCsiParams(reinterpret_cast<const unsigned char*>(chars), int(std::strlen(chars)));
}

TEST(CsiParameterScan, TrailingSeparatorAddsNoParameterLeadingOneAddsZero) {
    CsiParams a = Params("1;");
    EXPECT_EQ(1, a.count);
    EXPECT_EQ(1, a.Get(0));
    CsiParams b = Params(";1");
    ASSERT_EQ(2, b.count);
    EXPECT_EQ(0, b.Get(0));
    EXPECT_EQ(1, b.Get(1));
    EXPECT_EQ(-1, b.Get(2));
    EXPECT_EQ(0, Params("").count);
}

TEST(CsiParameterScan, OnlyALeadingQuestionMarkMakesASequencePrivate) {
    CsiParams p = Params("?25");
    EXPECT_TRUE(p.isPrivate);
    EXPECT_EQ(25, p.Get(0));
    CsiParams q = Params("2?5");
    EXPECT_FALSE(q.isPrivate);
    EXPECT_EQ(25, q.Get(0));
    CsiParams r = Params(">");
    EXPECT_FALSE(r.isPrivate);
    EXPECT_EQ(0, r.count);
}

TEST(CsiParameterScan, ParametersBeyondTheTenthAreDropped) {
    CsiParams p = Params("1;2;3;4;5;6;7;8;9;10;11;12");
    EXPECT_EQ(CsiParams::MaxParams, p.count);
    EXPECT_EQ(10, p.Get(9));
    EXPECT_EQ(-1, p.Get(10));
}

TEST(CsiParameterScan, HugeValuesAreHeldAtTheLimitInsteadOfOverflowing) {
    CsiParams p = Params("99999999999999999999;4294967297");
    ASSERT_EQ(2, p.count);
    EXPECT_EQ(CsiParams::MaxValue, p.Get(0));
    EXPECT_EQ(CsiParams::MaxValue, p.Get(1));
}

TEST(ParserZeros, ZeroParametersAndLeadingZerosActAsDefaults) {
    Terminal t;
    t.Feed("\x1b[1;4;7m\x1b[0mA");
    EXPECT_EQ(0, t.Attr(0, 0));
    t.Feed("\x1b[1m\x1b[00mB");
    EXPECT_EQ(0, t.Attr(0, 1));
    t.Feed("\x1b[1m\x1b[mC");
    EXPECT_EQ(0, t.Attr(0, 2));
    t.Feed("\x1b[1;mD");
    EXPECT_EQ(AttrBold, t.Attr(0, 3));
    t.Feed("\x1b[010;0010H");
    EXPECT_EQ(9, t.emu.CursorRow());
    EXPECT_EQ(9, t.emu.CursorCol());
}

TEST(ParserCancel, CanAndSubAbandonTheSequenceAndWriteASpace) {
    Terminal t;
    t.Feed("ABCDEF\r\x1b[2\x18J");
    EXPECT_EQ(" JCDEF", t.Row(0));
    t.Feed("\r\x1b[?1\x1aXY");
    EXPECT_EQ(" XYDEF", t.Row(0));
    EXPECT_EQ(0, t.emu.CurrentKeyModes().cursorKeyMode);
}

TEST(ParserCancel, CanInTheGroundStateIsIgnored) {
    Terminal t;
    t.Feed("A\x18\x1a"
           "B");
    EXPECT_EQ("AB", t.Row(0));
}

TEST(ParserControlsInSequences, ControlRunsAndEndsTheSequenceWithoutEffect) {
    Terminal t;
    t.Feed("ABC\x1b[2\rJ");
    EXPECT_EQ("JBC", t.Row(0));
    t.Feed("\x1b[3\bK");
    EXPECT_EQ("KBC", t.Row(0));
    EXPECT_EQ(1, t.emu.CursorCol());
}

TEST(ParserControlsInSequences, EscapeInsideASequenceStartsANewOne) {
    Terminal t;
    t.Feed("\x1b[5\x1b[3;4H");
    EXPECT_EQ(2, t.emu.CursorRow());
    EXPECT_EQ(3, t.emu.CursorCol());
}

TEST(ParserDiscards, NulAndDelAreDroppedEverywhere) {
    Terminal t;
    t.Feed(std::string("A\0B\x7f", 4) +
           std::string("\x1b[\0"
                       "2\x7f;5H",
                       8) +
           "C");
    EXPECT_EQ("AB", t.Row(0));
    EXPECT_EQ("C", t.Row(1).substr(4));
    EXPECT_EQ(1, t.emu.CursorRow());
    EXPECT_EQ(5, t.emu.CursorCol());
}

TEST(ParserEightBit, Vt200TakesByte155AsControlSequenceIntroducer) {
    Terminal t(WithEmulation(2));
    t.Feed("HELLO\x9b"
           "2J");
    EXPECT_EQ("", t.Row(0));
    ASSERT_EQ(1u, t.History().size());
    EXPECT_EQ("HELLO", t.History()[0]);
}

TEST(ParserEightBit, MultinationalVt100TakesByte155AsControlSequenceIntroducer) {
    TerminalSettings s;
    s.multinational = 1;
    Terminal t(s);
    t.Feed("HELLO\x9b"
           "2J");
    EXPECT_EQ("", t.Row(0));
}

TEST(ParserEightBit, SevenBitVt100StripsByte155ToALoneEscape) {
    Terminal t;
    t.Feed("HELLO\x9b"
           "2J");
    EXPECT_EQ("HELLOJ", t.Row(0));
    t.Feed("\r\n\xc1\xe2");
    EXPECT_EQ("Ab", t.Row(1));
}

TEST(ParserEightBit, MultinationalModeShowsUpperHalfThroughG2) {
    TerminalSettings s;
    s.multinational = 1;
    Terminal t(s);
    t.Feed("\xc4\xe9");
    EXPECT_EQ(0xC4, t.Char(0, 0));
    EXPECT_EQ(0xE9, t.Char(0, 1));
}

TEST(ParserEightBit, UpperHalfByteInsideASequenceEndsItWithoutEffect) {
    TerminalSettings s;
    s.multinational = 1;
    Terminal t(s);
    t.Feed("\x1b[5\xc8Z");
    EXPECT_EQ("Z", t.Row(0));
    EXPECT_EQ(0, t.emu.CursorRow());
}

// Each byte value alone in the ground state: the 8-bit controls and the
// controls write nothing, NUL and DEL are dropped, everything else shows its
// glyph from the character set of its half of the code table.
TEST(ParserEightBit, EveryByteValueShowsItsGlyphOrWritesNothing) {
    for (int emulation = 1; emulation <= 2; ++emulation) {
        for (int multinational = 0; multinational <= 1; ++multinational) {
            for (int b = 0; b < 256; ++b) {
                TerminalSettings s = WithEmulation(emulation);
                s.multinational = multinational;
                Terminal t(s);
                t.Feed(std::string(1, char(b)));
                int eightBitControl = b >= 128 && b < 160 && (emulation == 2 || multinational);
                int code = multinational ? b : b & 127;
                SCOPED_TRACE(testing::Message() << emulation << " " << multinational << " " << b);
                if (eightBitControl || code < 32 || code == 127) {
                    EXPECT_EQ(' ', t.Char(0, 0));
                    continue;
                }
                const CharsetState& cs = t.state.charsets;
                int slot = code < 128 ? cs.invokedGL : cs.invokedGR;
                EXPECT_EQ(cs.glyphSets[cs.designation[slot]][code & 127], t.Char(0, 0));
                EXPECT_EQ(1, t.emu.CursorCol());
            }
        }
    }
}

TEST(ParserLimits, OverlongParameterStringIsClampedAndKeepsBuffersIntact) {
    Terminal t;
    t.Feed("\x1b[12;12H");
    t.Feed("\x1b[" + std::string(1000, '9') + "A");
    EXPECT_EQ(0, t.emu.CursorRow());
    t.Feed("\x1b[" + std::string(1000, '9') + "B");
    EXPECT_EQ(23, t.emu.CursorRow());
    t.Feed("\x1b[" + std::string(600, ';') + "5CX");
    EXPECT_EQ(Emulator::Ground, t.state.parserState);
    EXPECT_EQ('X', t.Char(23, 12));
}

TEST(ParserLimits, EleventhSgrParameterIsIgnored) {
    Terminal t;
    t.Feed("\x1b[1;1;1;1;1;1;1;1;1;1;4mA");
    EXPECT_EQ(AttrBold, t.Attr(0, 0));
    t.Feed("\x1b[0;0;0;0;0;0;0;0;0;4mB");
    EXPECT_EQ(AttrUnderline, t.Attr(0, 1));
}

TEST(ParserLimits, ThousandsOfIntermediatesAreDroppedSafely) {
    Terminal t;
    t.Feed("\x1b" + std::string(3000, '!') + "0X");
    EXPECT_EQ("X", t.Row(0));
    t.Feed("\x1b[" + std::string(3000, ' ') + "JY");
    EXPECT_EQ("XY", t.Row(0)); // a control sequence with intermediates is ignored
}

TEST(ParserPrinterController, DataIsDiscardedUntilTheEndSequence) {
    Terminal t;
    t.Feed("A\x1b[5ihidden\x1b[2J\r\n\x1b[?4iB\x1b[4iC");
    EXPECT_EQ("AC", t.Row(0));
    EXPECT_EQ(0, t.state.printerController);
    EXPECT_EQ(0, t.emu.CursorRow());
}

TEST(ParserPrinterController, Vt52ModeEndsWithEscapeX) {
    Terminal t;
    t.Feed("\x1b[?2l"
           "A\x1bWhidden\x1b[4i\x1bXB");
    EXPECT_EQ("AB", t.Row(0));
}

TEST(ParserPrinterController, EightBitControlsAreNotConvertedWhilePrinting) {
    Terminal t(WithEmulation(2));
    t.Feed("\x1b[5i\x9b"
           "4i");
    EXPECT_EQ(1, t.state.printerController);
    t.Feed("\x1b[4iA");
    EXPECT_EQ("A", t.Row(0));
}

TEST(ParserSingleShift, SingleShiftAppliesToOneCharacterOnly) {
    Terminal t;
    t.Feed("\x1bN"
           "AA");
    EXPECT_EQ(193, t.Char(0, 0));
    EXPECT_EQ('A', t.Char(0, 1));
}

TEST(ParserSingleShift, SingleShiftSurvivesABlockBoundary) {
    Terminal t;
    t.Feed("\x1bN");
    t.Feed("A");
    t.Feed("A");
    EXPECT_EQ(193, t.Char(0, 0));
    EXPECT_EQ('A', t.Char(0, 1));
}

TEST(ParserSingleShift, RepeatedSingleShiftStillAppliesToTheNextCharacter) {
    Terminal t;
    t.Feed("\x1bN\x1bN"
           "AA");
    EXPECT_EQ(193, t.Char(0, 0));
    EXPECT_EQ('A', t.Char(0, 1));
}

TEST(TtyEmulation, EscapeIsIgnoredAndTheRestShown) {
    TerminalSettings s = WithEmulation(0);
    s.nationalSet = CharsetState::UsAscii;
    Terminal t(s);
    t.Feed("\x1b[2J\x9b\r\nx");
    // The byte shows through the right half of the display table, whose
    // supplemental set leaves the control codes as they are.
    EXPECT_EQ(std::string("[2J") + char(0x1b), t.Row(0));
    EXPECT_EQ("x", t.Row(1));
}

TEST(TtyEmulation, IdentityRequestsGetNoReply) {
    Terminal t(WithEmulation(0));
    t.Feed("\x1b[c\x1bZ");
    EXPECT_EQ("", t.host.replies);
}

TEST(MonitorMode, ControlsShowInCaretNotationAndLineFeedStartsALine) {
    Terminal t;
    t.SetMonitorMode(1);
    t.Feed("a^\r\n\x1b[\x9b\xa0");
    EXPECT_EQ("a^^^M^J", t.Row(0));
    EXPECT_EQ(std::string("^[[^") + char(219) + char(0xa0), t.Row(1));
}

TEST(MonitorMode, AlwaysWrapsAndIgnoresAttributes) {
    Terminal t;
    t.Feed("\x1b[7m");
    t.SetMonitorMode(1);
    t.Feed(std::string(81, 'm'));
    EXPECT_EQ(std::string(80, 'm'), t.Row(0));
    EXPECT_EQ("m", t.Row(1));
    EXPECT_EQ(0, t.Attr(0, 0));
}

TEST(MonitorMode, SequenceLeftUnfinishedResumesAfterMonitorMode) {
    Terminal t;
    t.Feed("\x1b[3");
    t.SetMonitorMode(1);
    t.Feed("x");
    t.SetMonitorMode(0);
    t.Feed(";5H");
    EXPECT_EQ(2, t.emu.CursorRow());
    EXPECT_EQ(4, t.emu.CursorCol());
}

} // namespace
