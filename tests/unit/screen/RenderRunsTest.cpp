#include "screen/RenderRuns.h"

#include "ScreenTestSupport.h"

#include <climits>
#include <random>
#include <string>
#include <vector>

namespace {

struct DrawnRun {
    int row, col;
    std::string text;
    unsigned char attr;
    bool operator==(const DrawnRun& o) const {
        return row == o.row && col == o.col && text == o.text && attr == o.attr;
    }
};

std::ostream& operator<<(std::ostream& out, const DrawnRun& run) {
    return out << "{row " << run.row << " col " << run.col << " \"" << run.text << "\" attr 0x"
               << std::hex << int(run.attr) << std::dec << "}";
}

class RecordingSink : public RunSink {
  public:
    void DrawRun(const Run& run) override {
        ASSERT_GT(run.count, 0);
        runs.push_back({run.row, run.col,
                        std::string(reinterpret_cast<const char*>(run.text), run.count), run.attr});
    }
    std::vector<DrawnRun> runs;
};

void Select(ScreenBuffer& screen, int startLine, int startCol, int endLine, int endCol) {
    screen.selStartLine = startLine;
    screen.selStartCol = startCol;
    screen.selEndLine = endLine;
    screen.selEndCol = endCol;
}

const unsigned char Sel = AttrSelected;

} // namespace

TEST(RunSplitting, OneTextOutputPerRunOfEqualAttribute) {
    ScreenBuffer screen(20, 3);
    WriteText(screen, 1, 0, "ab");
    WriteText(screen, 1, 2, "CD", AttrBold);
    WriteText(screen, 1, 4, "e", AttrBold | AttrReverse);
    WriteText(screen, 1, 5, "fg");
    RecordingSink sink;
    DrawRows(screen, 1, 1, 0, 7, sink);
    std::vector<DrawnRun> want = {{1, 0, "ab", 0},
                                  {1, 2, "CD", AttrBold},
                                  {1, 4, "e", AttrBold | AttrReverse},
                                  {1, 5, "fg ", 0}};
    EXPECT_EQ(sink.runs, want);
}

TEST(RunSplitting, DrawsOnlyTheAskedColumnsAndRowsWithinTheGrid) {
    ScreenBuffer screen(80, 24);
    WriteText(screen, 0, 0, "hello world");
    RecordingSink sink;
    DrawRows(screen, 0, 0, 6, 8, sink);
    ASSERT_EQ(sink.runs.size(), 1u);
    EXPECT_EQ(sink.runs[0], (DrawnRun{0, 6, "wor", 0}));

    RecordingSink wide;
    DrawRows(screen, -5, 200, -3, 500, wide);
    ASSERT_EQ(wide.runs.size(), size_t(MaxLines));
    EXPECT_EQ(wide.runs.front().row, 0);
    EXPECT_EQ(wide.runs.back().row, MaxLines - 1);
    for (const DrawnRun& run : wide.runs) {
        EXPECT_EQ(run.col, 0);
        EXPECT_EQ(run.text.size(), size_t(LineWidth));
    }

    RecordingSink none;
    DrawRows(screen, 3, 2, 0, 10, none);
    DrawRows(screen, 0, 3, 10, 9, none);
    EXPECT_TRUE(none.runs.empty());
}

TEST(RunSplitting, ARowOfOneAttributeAcrossTheWholeLineIsOneRun) {
    ScreenBuffer screen(132, 3);
    screen.FillCells('x', AttrUnderline, 2, 0, LineWidth);
    RecordingSink sink;
    DrawCells(screen.RowCells(2), 2, 0, LineWidth, sink);
    ASSERT_EQ(sink.runs.size(), 1u);
    EXPECT_EQ(sink.runs[0].text, std::string(LineWidth, 'x'));
    EXPECT_EQ(sink.runs[0].attr, AttrUnderline);
}

TEST(SelectionHighlight, StopsAtTheLastCharacterOfEachLine) {
    ScreenBuffer screen(80, 24);
    WriteText(screen, 2, 0, "first line");
    WriteText(screen, 3, 0, "second");
    Select(screen, 2, 6, 3, 40);
    EXPECT_EQ(SelectedColumns(screen, 2).from, 6);
    EXPECT_EQ(SelectedColumns(screen, 2).to, 10);
    EXPECT_EQ(SelectedColumns(screen, 3).from, 0);
    EXPECT_EQ(SelectedColumns(screen, 3).to, 6);

    RecordingSink sink;
    DrawRows(screen, 2, 3, 0, 15, sink);
    std::vector<DrawnRun> want = {{2, 0, "first ", 0},
                                  {2, 6, "line", Sel},
                                  {2, 10, "      ", 0},
                                  {3, 0, "second", Sel},
                                  {3, 6, "          ", 0}};
    EXPECT_EQ(sink.runs, want);
}

TEST(SelectionHighlight, EndsAtTheEndColumnOnTheLastLineAndKeepsAttributes) {
    ScreenBuffer screen(80, 24);
    WriteText(screen, 0, 0, "abcdef", AttrReverse);
    Select(screen, 0, 1, 0, 3);
    RecordingSink sink;
    DrawRows(screen, 0, 0, 0, 5, sink);
    std::vector<DrawnRun> want = {
        {0, 0, "a", AttrReverse}, {0, 1, "bc", Sel | AttrReverse}, {0, 3, "def", AttrReverse}};
    EXPECT_EQ(sink.runs, want);
}

TEST(SelectionHighlight, FollowsTheViewIntoHistoryAndSkipsRowsOutsideIt) {
    ScreenBuffer screen(80, 24);
    screen.viewTop = 100; // screen row r is line 100 + r
    WriteText(screen, 0, 0, "above");
    WriteText(screen, 1, 0, "inside");
    WriteText(screen, 2, 0, "below");
    Select(screen, 90, 0, 101, 3);
    RecordingSink sink;
    DrawRows(screen, 0, 2, 0, 5, sink);
    std::vector<DrawnRun> want = {{0, 0, "above", Sel},
                                  {0, 5, " ", 0},
                                  {1, 0, "ins", Sel},
                                  {1, 3, "ide", 0},
                                  {2, 0, "below ", 0}};
    EXPECT_EQ(sink.runs, want);
}

TEST(SelectionHighlight, AnEmptySelectionHighlightsNothing) {
    ScreenBuffer screen(80, 24);
    WriteText(screen, 0, 0, "text on the first row");
    RecordingSink sink;
    DrawRows(screen, 0, 0, 0, 30, sink);
    for (const DrawnRun& run : sink.runs)
        EXPECT_EQ(run.attr & Sel, 0) << run;
}

TEST(SelectionHighlight, RemovingItRedrawsOnlyTheSelectedTextWithOwnAttributes) {
    ScreenBuffer screen(10, 5);
    WriteText(screen, 1, 0, "0123456789ABCD"); // runs past the logical width
    WriteText(screen, 2, 0, "xy", AttrBold);
    Select(screen, 1, 4, 30, 0);
    RecordingSink sink;
    DrawSelectionPlain(screen, sink);
    std::vector<DrawnRun> want = {{1, 4, "456789", 0}, {2, 0, "xy", AttrBold}};
    EXPECT_EQ(sink.runs, want);
}

TEST(AttributePasses, HandOnOnlyRunsWithTheAskedBitsAndCountThem) {
    ScreenBuffer screen(20, 4);
    WriteText(screen, 0, 0, "plain");
    WriteText(screen, 0, 6, "blink", AttrBlink);
    WriteText(screen, 2, 3, "both", AttrBlink | AttrReverse);
    WriteText(screen, 3, 0, "bold", AttrBold);
    RecordingSink blinking;
    EXPECT_EQ(DrawRunsWithAttribute(screen, AttrBlink, blinking), 2);
    std::vector<DrawnRun> want = {{0, 6, "blink", AttrBlink},
                                  {2, 3, "both", AttrBlink | AttrReverse}};
    EXPECT_EQ(blinking.runs, want);

    RecordingSink attributed;
    EXPECT_EQ(DrawRunsWithAttribute(screen, 0x7F, attributed), 3);
    EXPECT_EQ(attributed.runs.back(), (DrawnRun{3, 0, "bold", AttrBold}));
}

TEST(AttributePasses, ASelectedBlinkingWordSplitsAtTheSelectionAndPlainSelectionIsSkipped) {
    ScreenBuffer screen(20, 2);
    WriteText(screen, 0, 0, "ab");
    WriteText(screen, 0, 2, "word", AttrBlink);
    Select(screen, 0, 0, 0, 4);
    RecordingSink sink;
    EXPECT_EQ(DrawRunsWithAttribute(screen, AttrBlink, sink), 2);
    std::vector<DrawnRun> want = {{0, 2, "wo", AttrBlink | Sel}, {0, 4, "rd", AttrBlink}};
    EXPECT_EQ(sink.runs, want);
}

TEST(AttributePasses, WithoutBlinkingTextNothingIsDrawn) {
    ScreenBuffer screen(80, 24);
    WriteText(screen, 5, 5, "quiet", AttrBold | AttrUnderline);
    RecordingSink sink;
    EXPECT_EQ(DrawRunsWithAttribute(screen, AttrBlink, sink), 0);
    EXPECT_TRUE(sink.runs.empty());
}

// Every run lies inside the grid and carries its own cells' characters,
// whatever the selection, view and size fields hold.
class CheckingSink : public RunSink {
  public:
    explicit CheckingSink(const ScreenBuffer& screen) : screen(screen) {}
    void DrawRun(const Run& run) override {
        ASSERT_GE(run.row, 0);
        ASSERT_LT(run.row, MaxLines);
        ASSERT_GE(run.col, 0);
        ASSERT_GT(run.count, 0);
        ASSERT_LE(run.col + run.count, LineWidth);
        for (int i = 0; i < run.count; ++i)
            ASSERT_EQ(run.text[i], CellChar(screen.CellAt(run.row, run.col + i)));
        runs += 1;
    }
    const ScreenBuffer& screen;
    int runs = 0;
};

TEST(RunSplitting, HostileSelectionAndSizeFieldsKeepRunsInsideTheGrid) {
    ScreenBuffer screen(132, 60);
    for (int row = 0; row < MaxLines; ++row)
        for (int col = 0; col < LineWidth; col += 3)
            screen.PutChar(static_cast<unsigned char>('a' + col % 26),
                           static_cast<unsigned char>(row * col), row, col);
    const int extremes[] = {INT_MIN, INT_MIN + 1, -133, -1,  0,           1,      59,
                            60,      131,         132,  133, INT_MAX - 1, INT_MAX};
    std::mt19937 random(7);
    auto pick = [&] { return extremes[random() % (sizeof extremes / sizeof extremes[0])]; };
    for (int round = 0; round < 2000; ++round) {
        screen.viewTop = random() % 2 ? pick() : static_cast<int>(random() % 100);
        screen.selStartLine = pick();
        screen.selStartCol = pick();
        screen.selEndLine = pick();
        screen.selEndCol = pick();
        screen.lines = random() % 3 ? 1 + static_cast<int>(random() % 60) : pick();
        screen.columns = random() % 3 ? 1 + static_cast<int>(random() % 132) : pick();
        CheckingSink sink(screen);
        DrawRows(screen, pick(), pick(), pick(), pick(), sink);
        DrawSelectionPlain(screen, sink);
        DrawRunsWithAttribute(screen, 0xFF, sink);
        if (HasFatalFailure()) return;
    }
}
