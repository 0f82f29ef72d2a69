#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

namespace {

using LineEditTest = ScreenFixture;

TEST_F(LineEditTest, InsertPushesTextBeyondTheLogicalWidthAndDeleteBringsItBack) {
    WriteText(screen, 4, 76, "abXY", AttrBold);
    screen.InsertChars(4, 78, 2);
    EXPECT_EQ(screen.CellAt(4, 78), BlankCell);
    EXPECT_EQ(screen.CellAt(4, 79), BlankCell);
    EXPECT_EQ(screen.CellAt(4, 80), MakeCell('X', AttrBold));
    EXPECT_EQ(screen.CellAt(4, 81), MakeCell('Y', AttrBold));
    EXPECT_EQ(RowText(screen, 4), std::string(76, ' ') + "ab  XY");
    screen.DeleteChars(4, 78, 2);
    EXPECT_EQ(RowText(screen, 4), std::string(76, ' ') + "abXY");
    EXPECT_EQ(screen.CellAt(4, 79), MakeCell('Y', AttrBold));
}

TEST_F(LineEditTest, InsertDropsTheEndOfTheLineAndRepaintsTheRow) {
    WriteText(screen, 0, 0, "0123456789");
    WriteText(screen, 0, 131, "z");
    screen.FlushChanges();
    view.events.clear();
    screen.InsertChars(0, 2, 0); // raised to one
    EXPECT_EQ(RowText(screen, 0), "01 23456789");
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(0, 1, 0, 80)}));
}

TEST_F(LineEditTest, CountsAreCutAtTheEndOfTheLine) {
    WriteText(screen, 1, 128, "abcd");
    screen.InsertChars(1, 130, 1000);
    EXPECT_EQ(RowText(screen, 1), std::string(128, ' ') + "ab");
    WriteText(screen, 2, 0, "keep");
    screen.DeleteChars(2, 2, 100000);
    EXPECT_EQ(RowText(screen, 2), "ke");
    screen.DeleteChars(2, 0, -7); // raised to one
    EXPECT_EQ(RowText(screen, 2), "e");
}

TEST_F(LineEditTest, DoubleWidthSpreadsTheRowAndSingleWidthUndoesIt) {
    WriteText(screen, 3, 0, "ABC", AttrUnderline);
    WriteText(screen, 3, 70, "lost");
    screen.MakeLineDoubleWidth(3);
    EXPECT_EQ(RowText(screen, 3), "A B C");
    EXPECT_EQ(screen.CellAt(3, 2), MakeCell('B', AttrUnderline));
    EXPECT_EQ(screen.CellAt(3, 1), BlankCell);
    screen.MakeLineSingleWidth(3);
    EXPECT_EQ(RowText(screen, 3), "ABC");
    EXPECT_EQ(screen.CellAt(3, 2), MakeCell('C', AttrUnderline));
}

TEST_F(LineEditTest, SingleWidthBlanksTheRightHalf) {
    WriteText(screen, 0, 0, std::string(LineWidth, 'q'));
    screen.MakeLineSingleWidth(0);
    EXPECT_EQ(RowText(screen, 0), std::string(LineWidth / 2, 'q'));
}

TEST_F(LineEditTest, SetLineTextWritesPlainTextAndBlanksTheRest) {
    WriteText(screen, 2, 0, std::string(100, 'o'), AttrBlink);
    screen.SetLineText(2, "plain");
    EXPECT_EQ(RowText(screen, 2), "plain");
    EXPECT_EQ(screen.CellAt(2, 0), MakeCell('p', 0));
    EXPECT_EQ(screen.CellAt(2, 99), BlankCell);
    std::string tooLong(300, 'L');
    screen.SetLineText(2, tooLong.c_str());
    EXPECT_EQ(RowText(screen, 2), std::string(LineWidth, 'L'));
}

} // namespace
