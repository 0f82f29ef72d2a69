#include "textsvc/SelectionCopy.h"

#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Three history lines "h0".."h2" and a 24-line screen with text on rows 0
// to 3: "s0", "  spaced  " (trailing blanks), an empty row, a full row.
class SelectionCopyTest : public ScreenFixture {
  protected:
    SelectionCopyTest() {
        for (int i = 0; i < 3; ++i)
            screen.store.AppendLine(Counted("h" + std::to_string(i)).data());
        screen.viewTop = 3;
        WriteText(screen, 0, 0, "s0");
        WriteText(screen, 1, 0, "  spaced  ");
        WriteText(screen, 3, 0, std::string(80, 'f'));
    }
    void Select(int startLine, int startCol, int endLine, int endCol) {
        screen.selStartLine = startLine;
        screen.selStartCol = startCol;
        screen.selEndLine = endLine;
        screen.selEndCol = endCol;
    }
    // The copy through a block of exactly the worst-case size.
    std::string Copy(int quoted, int scrollBack = 0) {
        std::size_t size = CopyBlockSize(screen, scrollBack, quoted);
        std::vector<char> block(size + 1, '#');
        long n = CopySelectionText(screen, scrollBack, quoted, block.data(), size);
        EXPECT_EQ(block[size], '#') << "written past the block";
        if (n < 0) return "<none>";
        EXPECT_EQ(block[n], 0);
        return std::string(block.data(), n);
    }
};

TEST_F(SelectionCopyTest, EmptySelectionGivesNothing) {
    Select(4, 1, 4, 1);
    EXPECT_TRUE(SelectionEmpty(screen));
    EXPECT_EQ(CopyBlockSize(screen, 0, 0), 0u);
    char block[8] = "x";
    EXPECT_EQ(CopySelectionText(screen, 0, 0, block, sizeof block), -1);
    EXPECT_STREQ(block, "x");
}

TEST_F(SelectionCopyTest, PartOfOneLineHasNoLineEnd) {
    Select(4, 2, 4, 6); // "spac" of "  spaced"
    EXPECT_EQ(Copy(0), "spac");
    EXPECT_EQ(Copy(1), "> spac");
    Select(0, 1, 0, 2); // inside the oldest line of the history
    EXPECT_EQ(Copy(0), "0");
}

TEST_F(SelectionCopyTest, LinesJoinWithCrLfAndLoseTrailingBlanks) {
    Select(2, 1, 5, 80);
    EXPECT_EQ(Copy(0), "2\r\ns0\r\n  spaced\r\n");
    Select(2, 1, 6, 80);
    EXPECT_EQ(Copy(1), "> 2\r\n> s0\r\n>   spaced\r\n> \r\n> " + std::string(80, 'f'));
}

TEST_F(SelectionCopyTest, EndAtColumnZeroTakesNothingOfTheEndLine) {
    Select(0, 0, 2, 0);
    EXPECT_EQ(Copy(0), "h0\r\nh1\r\n");
    EXPECT_EQ(Copy(1), "> h0\r\n> h1\r\n> ");
}

TEST_F(SelectionCopyTest, StartPastTheTextGivesOnlyTheLineEnd) {
    Select(3, 40, 4, 4);
    EXPECT_EQ(Copy(0), "\r\n  sp");
}

TEST_F(SelectionCopyTest, BackwardSelectionCopiesTheSameText) {
    Select(3, 1, 4, 5);
    std::string forward = Copy(0);
    Select(4, 5, 3, 1);
    EXPECT_EQ(Copy(0), forward);
}

TEST_F(SelectionCopyTest, StoreAndViewAreLeftAsTheyWere) {
    Select(1, 0, 5, 3);
    Copy(0);
    EXPECT_EQ(screen.store.LineCount(), 3);
    EXPECT_EQ(screen.viewTop, 3);
    EXPECT_EQ(ReadLine(screen.store), "<end>");
    EXPECT_EQ(RowText(screen, 1), "  spaced");
}

TEST_F(SelectionCopyTest, ScrollBackAndLiveModeGiveTheSameText) {
    Select(1, 1, 6, 10);
    std::string live = Copy(1);
    screen.PushScreenToHistory();
    std::string scrolledBack = Copy(1, 1);
    screen.PopScreenFromHistory();
    EXPECT_EQ(scrolledBack, live);
}

TEST_F(SelectionCopyTest, SelectAllYieldsEveryLineOnceTheLastWithoutLineEnd) {
    SelectAll(screen, 0);
    EXPECT_EQ(screen.selEndLine, 3 + 24 - 1);
    EXPECT_EQ(screen.selEndCol, 80);
    std::string expected = "h0\r\nh1\r\nh2\r\ns0\r\n  spaced\r\n\r\n" + std::string(80, 'f');
    for (int row = 4; row < 24; ++row)
        expected += "\r\n";
    EXPECT_EQ(Copy(0), expected);
}

TEST_F(SelectionCopyTest, SelectAllInScrollBackModeEndsAtTheStoresLastLine) {
    screen.PushScreenToHistory();
    SelectAll(screen, 1);
    EXPECT_EQ(screen.selEndLine, 3 + 24 - 1);
    screen.PopScreenFromHistory();
}

TEST_F(SelectionCopyTest, FullQuotedLinesFitTheirBlock) {
    for (int row = 0; row < 24; ++row)
        WriteText(screen, row, 0, std::string(80, 'a' + row % 26));
    screen.columns = 132;
    for (int row = 0; row < 24; ++row)
        WriteText(screen, row, 80, std::string(52, 'z'));
    SelectAll(screen, 0);
    std::string text = Copy(1);
    EXPECT_EQ(text.size(), std::size_t(3 * (2 + 2 + 2) + 24 * (2 + 132) + 23 * 2));
    EXPECT_EQ(text.substr(text.size() - 134), "> " + std::string(80, 'x') + std::string(52, 'z'));
}

TEST_F(SelectionCopyTest, SmallBlockIsCutAndStaysTerminated) {
    Select(0, 0, 5, 80);
    char block[6];
    EXPECT_EQ(CopySelectionText(screen, 0, 0, block, sizeof block), 5);
    EXPECT_STREQ(block, "h0\r\nh");
    EXPECT_EQ(screen.store.LineCount(), 3);
}

TEST_F(SelectionCopyTest, SelectionPastTheTextEndsAtItsLastLine) {
    WriteText(screen, 23, 0, "last row");
    Select(25, 0, 40, 5);
    EXPECT_EQ(CopyBlockSize(screen, 0, 0), std::size_t(2 * CopyLineBytes + 1));
    EXPECT_EQ(Copy(0), "\r\nlast ");
    EXPECT_EQ(screen.store.LineCount(), 3);
}

TEST_F(SelectionCopyTest, HostileSelectionStaysWithinTheTextAndTheBlock) {
    Select(-2000000000, -7, 2000000000, 1000);
    EXPECT_EQ(CopyBlockSize(screen, 0, 1), std::size_t(27 * QuotedCopyLineBytes + 1));
    std::string text = Copy(1);
    EXPECT_EQ(text.substr(0, 6), "> h0\r\n");
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n> ");
    Select(2000000000, 5, -2000000000, 0);
    EXPECT_EQ(Copy(0).substr(0, 4), "h0\r\n");
}

} // namespace
