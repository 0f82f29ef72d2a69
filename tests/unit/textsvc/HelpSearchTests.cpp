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

TEST(HelpSearch, EqualTitlesKeepFileOrderAndDigitsAreWordCharacters) {
    HelpFile file = Parsed("@topic b - Same\nx\n@topic a - same\ncode 0x41\n");
    EXPECT_EQ(HelpIndex(file), (std::vector<int>{0, 1}));
    EXPECT_TRUE(SearchHelp(file, "x41").empty());
    EXPECT_EQ(SearchHelp(file, "0x41"), std::vector<int>{1});
}

} // namespace
