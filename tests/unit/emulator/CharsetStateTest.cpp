#include "emulator/CharsetState.h"

#include <gtest/gtest.h>

namespace {

unsigned char Shown(const CharsetState& cs, int code) {
    return cs.displayTable[code];
}

TEST(CharsetNationalSets, FinnishSetReplacesBracketsWithScandinavianLetters) {
    CharsetState cs;
    cs.ResetCharsets(CharsetState::Finnish, 0);
    EXPECT_EQ(196, Shown(cs, '['));
    EXPECT_EQ(214, Shown(cs, '\\'));
    EXPECT_EQ(197, Shown(cs, ']'));
    EXPECT_EQ(228, Shown(cs, '{'));
    EXPECT_EQ(246, Shown(cs, '|'));
    EXPECT_EQ(229, Shown(cs, '}'));
    EXPECT_EQ('@', Shown(cs, '@'));
    EXPECT_EQ('A', Shown(cs, 'A'));
}

TEST(CharsetNationalSets, SwedishAddsAccentedE_BritishOnlyPound) {
    CharsetState cs;
    cs.ResetCharsets(CharsetState::Swedish, 0);
    EXPECT_EQ(201, Shown(cs, '@'));
    EXPECT_EQ(233, Shown(cs, '`'));
    EXPECT_EQ(196, Shown(cs, '['));
    cs.ResetCharsets(CharsetState::British, 0);
    EXPECT_EQ(163, Shown(cs, '#'));
    EXPECT_EQ('[', Shown(cs, '['));
    EXPECT_EQ('@', Shown(cs, '@'));
}

TEST(CharsetNationalSets, ControlCodesAreTheSameInEverySet) {
    CharsetState cs;
    for (int set = 0; set < CharsetState::SetCount; ++set)
        for (int code = 0; code < 32; ++code)
            EXPECT_EQ(code, cs.glyphSets[set][code]) << "set " << set << " code " << code;
}

TEST(CharsetKeyTable, NationalModeSendsReplacementCodesForEveryNationalSet) {
    for (int national = 0; national <= 3; ++national) {
        CharsetState cs;
        cs.ResetCharsets(national, 0);
        SCOPED_TRACE(national);
        EXPECT_EQ('[', cs.keyTable[196]);
        EXPECT_EQ('\\', cs.keyTable[214]);
        EXPECT_EQ(']', cs.keyTable[197]);
        EXPECT_EQ('{', cs.keyTable[228]);
        EXPECT_EQ('|', cs.keyTable[246]);
        EXPECT_EQ('}', cs.keyTable[229]);
        EXPECT_EQ('@', cs.keyTable[201]);
        EXPECT_EQ('`', cs.keyTable[233]);
        EXPECT_EQ('#', cs.keyTable[163]);
        EXPECT_EQ('f', cs.keyTable[176]);
        EXPECT_EQ('g', cs.keyTable[177]);
        EXPECT_EQ('~', cs.keyTable[183]);
        EXPECT_EQ(0, cs.keyTable[193]);
        EXPECT_EQ(0, cs.keyTable[255]);
        for (int c = 0; c < 128; ++c)
            EXPECT_EQ(c, cs.keyTable[c]);
    }
}

TEST(CharsetKeyTable, MultinationalModeSendsUpperHalfUnchangedAnd128To159AsZero) {
    CharsetState cs;
    cs.ResetCharsets(CharsetState::Finnish, 1);
    EXPECT_EQ(196, cs.keyTable[196]);
    for (int c = 160; c < 256; ++c)
        EXPECT_EQ(c, cs.keyTable[c]);
    for (int c = 128; c < 160; ++c)
        EXPECT_EQ(0, cs.keyTable[c]);
    EXPECT_EQ(196, Shown(cs, 196));
    EXPECT_EQ('[', Shown(cs, '['));
}

TEST(CharsetKeyTable, HostDesignationsDoNotChangeWhatKeysSend) {
    CharsetState cs;
    cs.ResetCharsets(CharsetState::UsAscii, 0);
    unsigned char before[256];
    std::copy(cs.keyTable, cs.keyTable + 256, before);
    cs.Designate('(', 'C');
    cs.InvokeGL(1);
    EXPECT_TRUE(std::equal(before, before + 256, cs.keyTable));
}

TEST(CharsetLineDrawing, SpecialGraphicsDrawsBoxesWithPlainCharacters) {
    CharsetState cs;
    cs.Designate('(', '0');
    EXPECT_EQ('+', Shown(cs, 'l'));
    EXPECT_EQ('-', Shown(cs, 'q'));
    EXPECT_EQ('+', Shown(cs, 'k'));
    EXPECT_EQ('|', Shown(cs, 'x'));
    EXPECT_EQ('+', Shown(cs, 'n'));
    EXPECT_EQ('+', Shown(cs, 'w'));
    EXPECT_EQ('X', Shown(cs, 'a'));
    EXPECT_EQ(176, Shown(cs, 'f'));
    EXPECT_EQ(163, Shown(cs, '}'));
    EXPECT_EQ(183, Shown(cs, '~'));
    // Symbols without a replacement show as their letters.
    EXPECT_EQ('`', Shown(cs, '`'));
    EXPECT_EQ('o', Shown(cs, 'o'));
    EXPECT_EQ('y', Shown(cs, 'y'));
}

TEST(CharsetLineDrawing, ShiftOutUsesG1SpecialGraphicsInNationalMode) {
    CharsetState cs;
    cs.ResetCharsets(CharsetState::Finnish, 0);
    cs.InvokeGL(1);
    EXPECT_EQ('-', Shown(cs, 'q'));
    cs.InvokeGL(0);
    EXPECT_EQ('q', Shown(cs, 'q'));
    EXPECT_EQ(196, Shown(cs, '['));
}

TEST(CharsetDesignation, BritishIntoG1ShowsPoundAfterShiftOut) {
    CharsetState cs;
    cs.Designate(')', 'A');
    cs.InvokeGL(1);
    EXPECT_EQ(163, Shown(cs, '#'));
}

TEST(CharsetDesignation, SupplementalInvokedByLockingShiftTwo) {
    CharsetState cs;
    cs.Designate('*', '<');
    cs.InvokeGL(2);
    EXPECT_EQ(193, Shown(cs, 'A'));
    EXPECT_EQ(10, Shown(cs, 10));
}

TEST(CharsetDesignation, UnknownSetOrSlotLeavesEverythingAsItWas) {
    CharsetState cs;
    cs.ResetCharsets(CharsetState::Finnish, 0);
    int before[4];
    std::copy(cs.designation, cs.designation + 4, before);
    cs.Designate('(', 'Z');
    cs.Designate('-', 'A');
    EXPECT_TRUE(std::equal(before, before + 4, cs.designation));
    EXPECT_EQ(196, Shown(cs, '['));
}

TEST(CharsetDesignation, AlternativeFinalsNameTheSameSets) {
    EXPECT_EQ(CharsetState::Finnish, CharsetState::SetForFinal('5'));
    EXPECT_EQ(CharsetState::Finnish, CharsetState::SetForFinal('C'));
    EXPECT_EQ(CharsetState::Swedish, CharsetState::SetForFinal('7'));
    EXPECT_EQ(CharsetState::Swedish, CharsetState::SetForFinal('H'));
    EXPECT_EQ(-1, CharsetState::SetForFinal('1'));
}

TEST(CharsetInvocation, RightHalfFollowsTheSlotInvokedIntoGR) {
    CharsetState cs;
    cs.ResetCharsets(CharsetState::UsAscii, 1);
    EXPECT_EQ(0xC4, Shown(cs, 0xC4)); // G2 supplemental
    cs.InvokeGR(1);                   // G1 holds ASCII in multinational mode
    EXPECT_EQ('D', Shown(cs, 0xC4));
}

TEST(CharsetInvocation, SlotsOutsideG0ToG3AreHeldInsideTheTable) {
    CharsetState cs;
    cs.InvokeGL(7);
    cs.InvokeGR(-2);
    EXPECT_GE(cs.invokedGL, 0);
    EXPECT_LE(cs.invokedGL, 3);
    EXPECT_GE(cs.invokedGR, 0);
    EXPECT_LE(cs.invokedGR, 3);
    cs.InvokeGL(3); // G3 before any designation is a real set
    EXPECT_EQ('A', Shown(cs, 'A'));
}

TEST(CharsetSaveRestore, RestoreBringsBackDesignationsAndInvocations) {
    CharsetState cs;
    cs.ResetCharsets(CharsetState::Finnish, 0);
    cs.SaveCharsets();
    cs.Designate('(', '0');
    cs.InvokeGL(1);
    cs.InvokeGR(3);
    cs.RestoreCharsets();
    EXPECT_EQ(0, cs.invokedGL);
    EXPECT_EQ(2, cs.invokedGR);
    EXPECT_EQ(196, Shown(cs, '['));
    EXPECT_EQ('l', Shown(cs, 'l'));
}

TEST(CharsetReset, ResetKeepsG3AndOutOfRangeNationalSetIsAscii) {
    CharsetState cs;
    cs.Designate('+', '0');
    cs.ResetCharsets(9, 0);
    EXPECT_EQ(CharsetState::SpecialGraphics, cs.designation[3]);
    EXPECT_EQ(CharsetState::UsAscii, cs.designation[0]);
    EXPECT_EQ('[', Shown(cs, '['));
}

} // namespace
