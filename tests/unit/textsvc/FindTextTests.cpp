#include "textsvc/FindText.h"

#include "CaseMaps.h"
#include "screen/ScreenTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// The leftmost index where every character of the text matches, by trying
// every position.
int PlainSearch(int ignoreCase, const std::string& text, const std::string& line,
                const CaseMap& cases) {
    for (std::size_t at = 0; at + text.size() <= line.size(); ++at) {
        std::size_t j = 0;
        for (; j < text.size(); ++j) {
            unsigned char c = static_cast<unsigned char>(line[at + j]);
            if ((ignoreCase ? cases.upper[c] : c) != static_cast<unsigned char>(text[j])) break;
        }
        if (j == text.size()) return static_cast<int>(at);
    }
    return -1;
}

int Search(int ignoreCase, std::string text, const std::string& line, const CaseMap& cases) {
    char buffer[FindTextSize] = {};
    text.copy(buffer, FindTextSize - 1);
    unsigned char table[256];
    int m = BuildSkipTable(buffer, ignoreCase, table, cases);
    return SearchLine(ignoreCase, buffer, m, table,
                      reinterpret_cast<const unsigned char*>(line.data()),
                      static_cast<int>(line.size()), cases);
}

std::string RandomText(std::mt19937& random, const std::string& alphabet, int maxLength) {
    std::string text(random() % (maxLength + 1), ' ');
    for (char& c : text)
        c = alphabet[random() % alphabet.size()];
    return text;
}

TEST(SearchLine, AgreesWithAPlainSearchOnRandomLines) {
    struct Case {
        const char* alphabet;
        int textLength;
        CaseMap cases;
    };
    const Case table[] = {
        {"ab", 4, Latin1Cases()},          {"abc", 7, Latin1Cases()},
        {"aAbB", 5, Latin1Cases()},        {"a\xe4\xc4x", 6, Latin1Cases()},
        {"abxyAB", 5, SharedUpperCases()},
    };
    std::mt19937 random(12);
    for (const Case& c : table) {
        for (int round = 0; round < 20000; ++round) {
            std::string text = RandomText(random, c.alphabet, c.textLength);
            if (text.empty()) continue;
            std::string line = RandomText(random, c.alphabet, 40);
            for (int ignoreCase = 0; ignoreCase < 2; ++ignoreCase) {
                std::string pattern = text;
                if (ignoreCase)
                    for (char& ch : pattern)
                        ch = static_cast<char>(c.cases.upper[c.cases.lower[(unsigned char)ch]]);
                ASSERT_EQ(Search(ignoreCase, text, line, c.cases),
                          PlainSearch(ignoreCase, pattern, line, c.cases))
                    << "text \"" << text << "\" line \"" << line << "\" ignoreCase " << ignoreCase;
            }
        }
    }
}

TEST(SearchLine, CaseModesAndLengths) {
    CaseMap cases = Latin1Cases();
    EXPECT_EQ(Search(1, "abc", "xx aBc ABC", cases), 3);
    EXPECT_EQ(Search(0, "abc", "xx aBc ABC", cases), -1);
    EXPECT_EQ(Search(1, "\xe4pfel", "\xc4PFEL", cases), 0); // accented letters pair
    EXPECT_EQ(Search(0, "abc", "ab", cases), -1);           // longer than the line
    EXPECT_EQ(Search(0, std::string(64, 'q'), std::string(132, 'q'), cases), 0);
    EXPECT_EQ(Search(0, "", "abc", cases), -1);
    // The byte before the line (a stored line's length) is not part of it.
    char ab[FindTextSize] = "ab";
    unsigned char abTable[256];
    int abLength = BuildSkipTable(ab, 0, abTable, cases);
    const unsigned char abab[] = "abab";
    EXPECT_EQ(SearchLine(0, ab, abLength, abTable, abab + 1, 3, cases), 1);
}

TEST(BuildSkipTable, CaseInsensitiveTextIsKeptInUpperCase) {
    CaseMap cases = Latin1Cases();
    char text[FindTextSize] = "abc\xe4";
    unsigned char table[256];
    EXPECT_EQ(BuildSkipTable(text, 1, table, cases), 4);
    EXPECT_STREQ(text, "ABC\xc4");
    EXPECT_EQ(table['a'], 3);
    EXPECT_EQ(table['A'], 3);
    EXPECT_EQ(table[0xe4], 0);
    EXPECT_EQ(table['z'], 4);
    std::string longest(FindTextSize - 1, 'n'); // the longest text is taken whole
    longest.copy(text, longest.size());
    text[longest.size()] = 0;
    EXPECT_EQ(BuildSkipTable(text, 0, table, cases), FindTextSize - 1);
}

// A history of 100 lines "line N"; lines 10 and 50 also hold "needle". Two
// more lines after them hold no "needle": the first leaves a byte behind
// the next one's end in the buffer a line is read into, the second starts
// with a byte above the longest line's length.
class FindBelowViewTest : public ::testing::Test {
  protected:
    FindBelowViewTest() {
        for (int i = 0; i < 100; ++i) {
            std::string text = "line " + std::to_string(i);
            if (i == 10 || i == 50) text += " Needle";
            store.AppendLine(Counted(text).data());
        }
        store.AppendLine(Counted("0123456e").data());
        store.AppendLine(Counted("\xe4 needl").data());
        while (store.SkipBack()) {
        }
        std::snprintf(find.text, sizeof find.text, "needle");
    }
    // Finds from viewTop with a view of 5 lines; the view top found, or -1.
    int FindFrom(int viewTop) {
        StorePosition at = store.Tell();
        int found = FindBelowView(store, viewTop, 5, find, cases);
        if (found < 0) {
            EXPECT_EQ(store.Tell().pos, at.pos);
            EXPECT_EQ(store.Tell().block, at.block);
            return -1;
        }
        int top = found + 1 - 5;
        EXPECT_EQ(ReadLine(store), "line " + std::to_string(top)) << "cursor not at the new top";
        store.SkipBack();
        return top;
    }
    BlockPool pool;
    ScrollbackStore store{pool};
    FindSettings find;
    CaseMap cases = Latin1Cases();
};

TEST_F(FindBelowViewTest, StepsThroughLaterOccurrencesAndNeverWraps) {
    EXPECT_EQ(FindFrom(0), 6);
    EXPECT_STREQ(find.text, "NEEDLE");
    EXPECT_EQ(FindFrom(6), 46);
    EXPECT_EQ(FindFrom(46), -1);
}

TEST_F(FindBelowViewTest, LinesInTheViewAreNotSearched) {
    for (int i = 0; i < 8; ++i)
        store.SkipForward();
    EXPECT_EQ(FindFrom(8), 46);                            // line 10 is in the view 8..12
    std::snprintf(find.text, sizeof find.text, "line 51"); // the first line below, column 0
    EXPECT_EQ(FindFrom(46), 47);
    std::snprintf(find.text, sizeof find.text, "9"); // a text of one character
    EXPECT_EQ(FindFrom(47), 55);
}

TEST_F(FindBelowViewTest, CaseSensitiveAndEmptyTextsFindNothing) {
    find.ignoreCase = 0;
    EXPECT_EQ(FindFrom(0), -1);
    find.text[0] = 0;
    EXPECT_EQ(FindFrom(0), -1);
}

} // namespace
