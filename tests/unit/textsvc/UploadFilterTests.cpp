#include "textsvc/UploadFilter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Filter(const char* filter, int size) {
    return std::string(filter, size);
}

TEST(UploadFilterTest, OffersThePatternUsedLastUnderAsBefore) {
    char filter[UploadFilterSize + 1];
    filter[UploadFilterSize] = '#';
    InitUploadFilter(filter, UploadFilterSize);
    EXPECT_EQ(Filter(filter, 6), std::string("\0*.*\0\0", 6));

    // The dialog leaves the pattern it used as the second string.
    ASSERT_EQ(RememberUploadPattern(filter, UploadFilterSize), 1);
    EXPECT_EQ(Filter(filter, 21), std::string("As before (*.*)\0*.*\0\0", 21));
    std::memcpy(filter + 16, "*.txt", 6);
    ASSERT_EQ(RememberUploadPattern(filter, UploadFilterSize), 1);
    EXPECT_EQ(Filter(filter, 25), std::string("As before (*.txt)\0*.txt\0\0", 25));
    std::memcpy(filter + 18, "*", 2); // a pattern of one character
    ASSERT_EQ(RememberUploadPattern(filter, UploadFilterSize), 1);
    EXPECT_EQ(Filter(filter, 17), std::string("As before (*)\0*\0\0", 17));
    EXPECT_EQ(filter[UploadFilterSize], '#');
}

TEST(UploadFilterTest, KeepsAFilterItCannotRewrite) {
    struct Case {
        std::string filter;
    } cases[] = {
        {std::string("desc\0\0", 6)},                          // no pattern
        {std::string("d\0", 2) + std::string(40, 'p') + '\0'}, // too long to appear twice
        {std::string(UploadFilterSize, 'x')},                  // no terminator at all
    };
    for (const Case& c : cases) {
        char filter[UploadFilterSize] = {};
        c.filter.copy(filter, UploadFilterSize);
        EXPECT_EQ(RememberUploadPattern(filter, UploadFilterSize), 0);
        EXPECT_EQ(Filter(filter, static_cast<int>(c.filter.size())), c.filter);
    }
}

// The rewrite needs exactly its own length: one byte less keeps the
// filter, and bytes beyond it stay as they were.
TEST(UploadFilterTest, RewritesOnlyWithinItsSize) {
    const std::string pattern("\0*.txt\0", 7);
    const std::string rewritten("As before (*.txt)\0*.txt\0\0", 25);
    for (int size : {24, 25}) {
        char filter[32];
        std::memset(filter, 'x', sizeof filter);
        pattern.copy(filter, pattern.size());
        int done = RememberUploadPattern(filter, size);
        EXPECT_EQ(done, size == 25) << size;
        std::string want = done ? rewritten : pattern + std::string(18, 'x');
        EXPECT_EQ(Filter(filter, 26), want + "x") << size;
    }
    // In a larger buffer the pattern must still fit the copy kept of it.
    for (int length : {79, 80}) {
        char big[200] = {};
        std::memset(big + 1, 'p', length);
        EXPECT_EQ(RememberUploadPattern(big, sizeof big), length == 79) << length;
    }
}

} // namespace
