#include "textsvc/HelpSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

HelpFile Parsed(const std::string& text) {
    HelpFile file;
    HelpError error;
    EXPECT_TRUE(ParseHelpFile(text.data(), text.size(), file, error)) << error.message;
    return file;
}

HelpFile Topics() {
    return Parsed("@topic print 25 Print\n"
                  "Prints the selected text on the printer.\n"
                  "@topic find 19 Find\n"
                  "Searches the history below the view for text.\n"
                  "@topic about - about printing and fonts\n"
                  "Fonts: see {print}.\n");
}

TEST(HelpSearch, IndexOrdersByTitleWithoutCase) {
    EXPECT_EQ(HelpIndex(Topics()), (std::vector<int>{2, 1, 0}));
}

TEST(HelpSearch, EveryWordMustBeginAWordTitlesFirst) {
    HelpFile file = Topics();
    struct Case {
        const char* query;
        std::vector<int> topics;
    } cases[] = {
        {"print", {0, 2}},          // title "Print" first, "printing" in the third title
        {"PRINTER", {0}},           // in the text only
        {"ABOUT", {2}},             // capitals from A on
        {"text", {0, 1}},           // file order among text matches
        {"rint", {}},               // inside a word, not at its start
        {"fonts print", {2}},       // both words
        {"history   selected", {}}, // never in one topic
        {"  ,;  ", {}},             // no words at all
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SearchHelp(file, c.query), c.topics) << c.query;
    EXPECT_TRUE(SearchHelp(file, nullptr).empty());
}

// A word is a run of digits, letters and accented letters: a query found
// only inside one finds nothing.
TEST(HelpSearch, EqualTitlesKeepFileOrderAndWordsAreDigitsAndLetters) {
    HelpFile file = Parsed("@topic b - Same\nx\n@topic a - same\n"
                           "code 0x41 k9unit salt quizlet zone \xC0la\n");
    EXPECT_EQ(HelpIndex(file), (std::vector<int>{0, 1}));
    struct Case {
        const char* query;
        std::vector<int> topics;
    } cases[] = {
        {"x41", {}}, {"0x41", {1}}, {"unit", {}},  {"lt", {}},
        {"let", {}}, {"la", {}},    {"ZONE", {1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SearchHelp(file, c.query), c.topics) << c.query;
}

} // namespace
