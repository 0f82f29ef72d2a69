#include "screen/ColorSchemes.h"

#include "screen/Cell.h"

#include <gtest/gtest.h>

namespace {

const SchemeColors systemColors = {Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9), Rgb(10, 11, 12)};

void ExpectColors(const SchemeColors& got, const SchemeColors& want) {
    EXPECT_EQ(got.back, want.back);
    EXPECT_EQ(got.text, want.text);
    EXPECT_EQ(got.selBack, want.selBack);
    EXPECT_EQ(got.selText, want.selText);
}

} // namespace

TEST(ColorSchemeTable, PacksRedLowBlueHigh) {
    EXPECT_EQ(Rgb(0x12, 0x34, 0x56), 0x563412ul);
}

TEST(ColorSchemeTable, FixedSchemesHaveTheirOwnColours) {
    ExpectColors(ColorsOfScheme(1, systemColors),
                 {Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(192, 192, 192), Rgb(0, 0, 0)});
    ExpectColors(ColorsOfScheme(2, systemColors),
                 {Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(192, 192, 192), Rgb(0, 0, 0)});
    ExpectColors(ColorsOfScheme(3, systemColors),
                 {Rgb(0, 0, 0), Rgb(0, 255, 0), Rgb(128, 128, 128), Rgb(0, 64, 0)});
    ExpectColors(ColorsOfScheme(4, systemColors),
                 {Rgb(0, 0, 128), Rgb(255, 255, 255), Rgb(128, 128, 128), Rgb(255, 255, 255)});
}

TEST(ColorSchemeTable, StandardAndUnknownSchemesFollowTheSystem) {
    for (int scheme : {0, 5, 7, -1, 1000})
        ExpectColors(ColorsOfScheme(scheme, systemColors), systemColors);
}

TEST(AttributeLook, PlainBoldUnderlineChooseFontsByTheLowBits) {
    SchemeColors c = ColorsOfScheme(3, systemColors);
    EXPECT_EQ(LookOfAttribute(0, c).font, 0);
    EXPECT_EQ(LookOfAttribute(AttrBold, c).font, 1);
    EXPECT_EQ(LookOfAttribute(AttrUnderline, c).font, 2);
    EXPECT_EQ(LookOfAttribute(AttrBold | AttrUnderline | AttrBlink | AttrSelected, c).font, 3);
    RunLook plain = LookOfAttribute(AttrBlink, c);
    EXPECT_EQ(plain.text, Rgb(0, 255, 0));
    EXPECT_EQ(plain.back, Rgb(0, 0, 0));
}

TEST(AttributeLook, ReverseVideoUnderWhiteOnBlueIsDarkBlueOnWhite) {
    RunLook look = LookOfAttribute(AttrReverse, ColorsOfScheme(4, systemColors));
    EXPECT_EQ(look.text, Rgb(0, 0, 128));
    EXPECT_EQ(look.back, Rgb(255, 255, 255));
}

TEST(AttributeLook, SelectionUsesSelectionColoursAndReverseExchangesThem) {
    SchemeColors green = ColorsOfScheme(3, systemColors);
    RunLook selected = LookOfAttribute(AttrSelected, green);
    EXPECT_EQ(selected.text, Rgb(0, 64, 0));
    EXPECT_EQ(selected.back, Rgb(128, 128, 128));
    RunLook selectedReverse = LookOfAttribute(AttrSelected | AttrReverse, green);
    EXPECT_EQ(selectedReverse.text, Rgb(128, 128, 128));
    EXPECT_EQ(selectedReverse.back, Rgb(0, 64, 0));
}

TEST(AttributeLook, HiddenBlinkKeepsOnlyReverseAndSelection) {
    EXPECT_EQ(HiddenBlinkAttribute(0xFF), 0xF8);
    EXPECT_EQ(HiddenBlinkAttribute(AttrBlink | AttrBold | AttrUnderline), 0);
    unsigned char reverseBlink = HiddenBlinkAttribute(AttrBlink | AttrReverse);
    // Hidden reverse blinking text shows a block of the text colour.
    SchemeColors white = ColorsOfScheme(1, systemColors);
    EXPECT_EQ(LookOfAttribute(reverseBlink, white).back, Rgb(0, 0, 0));
    EXPECT_EQ(LookOfAttribute(reverseBlink, white).font, 0);
}
