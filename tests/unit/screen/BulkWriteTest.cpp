#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using BulkWriteTest = ScreenFixture;

struct Identity {
    unsigned char table[256];
    Identity() {
        for (int i = 0; i < 256; ++i)
            table[i] = static_cast<unsigned char>(i);
    }
};
const Identity identity;

const unsigned char* Bytes(const std::string& s) {
    return reinterpret_cast<const unsigned char*>(s.data());
}

TEST_F(BulkWriteTest, ARunContinuedByPutCharAndPutCharsIsOneInvalidation) {
    screen.PutChar('a', 0, 4, 10);
    screen.PutChars(Bytes("bcd"), 3, identity.table, 0, 4, 11);
    screen.PutChar('e', 0, 4, 14);
    screen.PutChars(Bytes("fg"), 2, identity.table, 0, 4, 15);
    EXPECT_TRUE(view.events.empty());
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(4, 5, 10, 17)}));
    EXPECT_EQ(RowText(screen, 4), std::string(10, ' ') + "abcdefg");
}

TEST_F(BulkWriteTest, CharactersGoThroughTheTableWithTheAttribute) {
    unsigned char table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<unsigned char>(255 - i);
    screen.PutChars(Bytes("AB"), 2, table, AttrBold, 0, 0);
    EXPECT_EQ(screen.CellAt(0, 0), MakeCell(255 - 'A', AttrBold));
    EXPECT_EQ(screen.CellAt(0, 1), MakeCell(255 - 'B', AttrBold));
    EXPECT_EQ(screen.CellAt(0, 2), BlankCell);
}

// The same calls made with PutChar one cell at a time.
void PutEach(ScreenBuffer& s, const std::string& text, unsigned char attr, int row, int col) {
    for (size_t i = 0; i < text.size(); ++i)
        s.PutChar(static_cast<unsigned char>(text[i]), attr, row, col + static_cast<int>(i));
}

TEST_F(BulkWriteTest, MatchesOnePutCharPerCellAtEveryEdgeOfTheGrid) {
    struct Call {
        int row, col;
        std::string text;
    };
    const Call calls[] = {{0, 0, "abc"},
                          {0, 3, "def"},
                          {0, 2, "x"},
                          {5, 130, "wxyz"},
                          {5, 132, "no"},
                          {-1, 0, "no"},
                          {MaxLines, 0, "no"},
                          {6, 0, ""},
                          {7, 120, "tail"},
                          {7, 124, "longer than the line"},
                          {MaxLines - 1, 0, "end"}};
    RecordingView eachView;
    ScreenBuffer each(80, 24);
    each.SetView(&eachView);
    for (const Call& c : calls) {
        screen.PutChars(Bytes(c.text), static_cast<int>(c.text.size()), identity.table, 7, c.row,
                        c.col);
        PutEach(each, c.text, 7, c.row, c.col);
        ASSERT_EQ(eachView.events, view.events) << "row " << c.row << " col " << c.col;
    }
    screen.FlushChanges();
    each.FlushChanges();
    EXPECT_EQ(eachView.events, view.events);
    for (int row = 0; row < MaxLines; ++row)
        for (int col = 0; col < LineWidth; ++col)
            ASSERT_EQ(each.CellAt(row, col), screen.CellAt(row, col)) << row << ',' << col;
}

TEST_F(BulkWriteTest, NothingWrittenLeavesTheOpenRunOpen) {
    screen.PutChar('a', 0, 2, 0);
    screen.PutChars(Bytes("zz"), 0, identity.table, 0, 9, 9);
    screen.PutChars(Bytes("zz"), 2, identity.table, 0, 2, LineWidth);
    screen.PutChars(Bytes("b"), 1, identity.table, 0, 2, 1);
    screen.FlushChanges();
    EXPECT_EQ(view.events, (std::vector<ViewEvent>{Inval(2, 3, 0, 2)}));
}

} // namespace
