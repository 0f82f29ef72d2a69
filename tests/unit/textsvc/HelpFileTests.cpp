#include "textsvc/HelpFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

HelpFile Parse(const std::string& text, HelpFile file = HelpFile()) {
    HelpError error;
    EXPECT_TRUE(ParseHelpFile(text.data(), text.size(), file, error))
        << "line " << error.line << ": " << error.message;
    return file;
}

HelpError Damage(const std::string& text) {
    HelpFile file;
    HelpError error;
    EXPECT_FALSE(ParseHelpFile(text.data(), text.size(), file, error)) << text;
    EXPECT_TRUE(file.topics.empty());
    return error;
}

// The byte-order mark an editor may put first is not text.
TEST(HelpFile, TopicsKeepNameContextTitleAndLine) {
    HelpFile file = Parse("\xEF\xBB\xBF# a comment\n"
                          "\n"
                          "@topic general 2   General   help  \n"
                          "Text.\n"
                          "@topic connecting - Connecting to a host\r\n"
                          "More.\r\n");
    ASSERT_EQ(file.topics.size(), 2u);
    EXPECT_EQ(file.topics[0].name, "general");
    EXPECT_EQ(file.topics[0].context, 2);
    EXPECT_EQ(file.topics[0].title, "General   help");
    EXPECT_EQ(file.topics[0].line, 3);
    EXPECT_EQ(file.topics[1].context, 0);
    EXPECT_EQ(file.topics[1].title, "Connecting to a host");
    EXPECT_EQ(file.FindContext(2), 0);
    EXPECT_EQ(file.FindContext(0), -1);
    EXPECT_EQ(file.FindContext(7), -1);
    EXPECT_EQ(file.FindName("connecting"), 1);
    EXPECT_EQ(file.FindName("Connecting"), -1);

    HelpFile again = Parse("@topic other 7 Other\nText.\n", file);
    ASSERT_EQ(again.topics.size(), 1u);
    EXPECT_EQ(again.FindContext(7), 0);
}

TEST(HelpFile, ParagraphsJoinKeptLinesStayAndBlankLinesSeparate) {
    HelpFile file = Parse("@topic keys 7 Keys\n"
                          "\n"
                          "The keys\n"
                          "of the   keypad:  \n"
                          "\n"
                          "   \n"
                          " PF1   ESC O P\n"
                          " PF2\tESC O Q\t(PF2)\n"
                          "After the table.\n"
                          "# comments are not text\n"
                          "@@ is an at sign.\n"
                          "Just before:\n"
                          " kept\n"
                          "\n");
    EXPECT_EQ(file.topics[0].text, "The keys of the   keypad:\r\n"
                                   "\r\n"
                                   " PF1   ESC O P\r\n"
                                   " PF2    ESC O Q (PF2)\r\n"
                                   "After the table. @ is an at sign. Just before:\r\n"
                                   " kept\r\n");
}

TEST(HelpFile, LinksShowTitleOrWordsAndAreListedOncePerTarget) {
    HelpFile file = Parse("@topic a 2 First topic\n"
                          "See {b}, {b|the second} and {a|this one}; {{literal} [x] stays.\n"
                          "@topic b - Second topic\n"
                          "Back to {a}. A brace: {{\n");
    const HelpTopic& a = file.topics[0];
    EXPECT_EQ(a.text, "See Second topic, the second and this one; {literal} [x] stays.\r\n");
    ASSERT_EQ(a.links.size(), 2u);
    EXPECT_EQ(a.links[0].topic, 1);
    EXPECT_EQ(a.links[0].text, "Second topic");
    EXPECT_EQ(a.links[1].topic, 0);
    EXPECT_EQ(file.topics[1].links[0].text, "First topic");
    EXPECT_EQ(file.topics[1].text, "Back to First topic. A brace: {\r\n");
}

TEST(HelpFile, DamagedFilesNameTheLineAndTheFault) {
    struct Case {
        std::string text;
        int line;
        const char* message;
    } cases[] = {
        {"", 0, "the file has no topics"},
        {"# only a comment\n\n", 0, "the file has no topics"},
        {"\xEF\xBB\xBF", 0, "the file has no topics"},
        {"stray text\n@topic a 2 A\nx\n", 1, "text before the first @topic line"},
        {"@topic a 2 A\nx\n@index\n", 3, "unknown @ line"},
        {"@topic 9a 2 A\nx\n", 1, "bad topic name \"9a\""},
        {"@topic a_b 2 A\nx\n", 1, "bad topic name \"a_b\""},
        {"@topic a 0 A\nx\n", 1, "bad context number \"0\""},
        {"@topic a 65536 A\nx\n", 1, "bad context number \"65536\""},
        {"@topic a 2x A\nx\n", 1, "bad context number \"2x\""},
        {"@topic a 000002 A\nx\n", 1, "bad context number \"000002\""},
        {"@topic a 2\nx\n", 1, "the topic has no title"},
        {"@topic a 2 A\nx\n@topic a 3 B\ny\n", 3, "topic name \"a\" given twice"},
        {"@topic a 2 A\nx\n@topic b 2 B\ny\n", 3, "context number 2 given twice"},
        {"@topic a 2 A\n\n# nothing\n@topic b 3 B\ny\n", 1, "the topic has no text"},
        {"@topic a 2 A\nsee {b\n", 2, "a link without its }"},
        {"@topic a 2 A\nx\nsee {c}\n", 3, "a link to no topic: \"c\""},
        {"@topic a 2 A\nsee {a|  }\n", 2, "a link without words"},
        {"@topic a 2 A\nbell\x07\n", 2, "a control character in the text"},
        {"@topic a 2 A\nrub\x7F\n", 2, "a control character in the text"},
        {std::string("@topic a 2 A\nx\0y\n", 17), 2, "a control character in the text"},
    };
    for (const Case& c : cases) {
        HelpError error = Damage(c.text);
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_EQ(error.message, c.message) << c.text;
    }
}

TEST(HelpFile, LimitsOfSizeTitleNameAndTopicCount) {
    std::string title(HelpTitleMax, 't');
    std::string name(HelpNameMax, 'n');
    Parse("@topic " + name + " 65535 " + title + "\nx\n");
    Parse("@topic AZaz09-x 2 A\nThe euro: \x80\n"); // the letters' and digits' ends
    EXPECT_EQ(Parse("@topic a 1 A\nx\n").topics[0].context, 1);
    EXPECT_EQ(Damage("@topic a 2 " + title + "t\nx\n").message, "the title is too long");
    EXPECT_EQ(Damage("@topic " + name + "n 2 A\nx\n").line, 1);

    std::string many;
    for (int i = 0; i <= HelpTopicsMax; ++i)
        many += "@topic t" + std::to_string(i) + " - T\nx\n";
    EXPECT_EQ(Damage(many).message, "more than 1000 topics");

    std::string exact = "@topic a 2 A\n";
    Parse(exact + std::string(HelpFileMaxSize - exact.size(), 'x'));
    std::string big = "@topic a 2 A\n" + std::string(HelpFileMaxSize, 'x');
    HelpError tooBig = Damage(big);
    EXPECT_EQ(tooBig.line, 0);
    EXPECT_EQ(tooBig.message, "the file is larger than 1 MB");
}

TEST(HelpFile, MissingContextsAreThoseWithoutATopic) {
    HelpFile file = Parse("@topic a 1 A\nx\n@topic b 7 B\ny\n");
    const int wanted[] = {8, 1, 7, 25};
    EXPECT_EQ(MissingContexts(file, wanted, 4), (std::vector<int>{8, 25}));
}

} // namespace
