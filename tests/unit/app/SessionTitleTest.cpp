#include "app/SessionTitle.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string TitleBase(SessionState state, const char* host = "") {
    char title[TitleSize];
    std::memset(title, '#', sizeof title);
    MakeTitleBase(title, "LUMO/NT", state, host);
    return title;
}

TEST(SessionTitleTest, EachStateHasItsSuffix) {
    EXPECT_EQ(TitleBase(SessionState::NoHost), "LUMO/NT");
    EXPECT_EQ(TitleBase(SessionState::Trying), "LUMO/NT (Trying to connect...)");
    EXPECT_EQ(TitleBase(SessionState::Connected, "MYHOST"), "LUMO/NT (MYHOST)");
    EXPECT_EQ(TitleBase(SessionState::Disconnected, "MYHOST"), "LUMO/NT (disconnected)");
}

TEST(SessionTitleTest, LongHostIsCutAndTheTitleStillCloses) {
    std::string host(79, 'h');
    std::string title = TitleBase(SessionState::Connected, host.c_str());
    EXPECT_EQ(title.size(), std::size_t(TitleSize - 1));
    EXPECT_EQ(title.substr(0, 9), "LUMO/NT (");
    EXPECT_EQ(title.back(), ')');
}

TEST(SessionTitleTest, LongCaptionIsCutToItsBuffer) {
    char title[TitleSize];
    MakeTitleBase(title, std::string(60, 'c').c_str(), SessionState::Trying, "");
    EXPECT_EQ(std::string(title), std::string(31, 'c') + " (Trying to connect...)");
    MakeTitleBase(title, std::string(60, 'c').c_str(), SessionState::Connected,
                  std::string(79, 'h').c_str());
    EXPECT_EQ(std::strlen(title), std::size_t(TitleSize - 1));
    EXPECT_EQ(title[TitleSize - 2], ')');
}

TEST(SessionTitleTest, ModeSuffixPrefersScrollBackToHold) {
    char title[TitleSize];
    MakeWindowTitle(title, "LUMO/NT (H)", 0, 0);
    EXPECT_STREQ(title, "LUMO/NT (H)");
    MakeWindowTitle(title, "LUMO/NT (H)", 0, 1);
    EXPECT_STREQ(title, "LUMO/NT (H) - Hold");
    MakeWindowTitle(title, "LUMO/NT (H)", 1, 1);
    EXPECT_STREQ(title, "LUMO/NT (H) - Scroll Back");
    std::string full(79, 't');
    MakeWindowTitle(title, full.c_str(), 1, 0);
    EXPECT_EQ(std::string(title), full);
}

TEST(SessionTitleTest, ClosedQuestionNamesTheHostWhateverItsLength) {
    char text[ClosedQuestionSize];
    MakeClosedQuestion(text, "MYHOST");
    EXPECT_STREQ(text, "Connection to MYHOST\nhas been closed.\nOkay to close window?");
    std::string host(200, 'h');
    MakeClosedQuestion(text, host.c_str());
    EXPECT_EQ(std::string(text),
              "Connection to " + host.substr(0, 79) + "\nhas been closed.\nOkay to close window?");
}

} // namespace
