#include "textsvc/PrintPager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The pages that `lines` printed lines make: the tops of the lines on each.
std::vector<std::vector<int>> Pages(PrintPager& pager, int lines) {
    std::vector<std::vector<int>> pages(1);
    for (int i = 0; i < lines; ++i) {
        pages.back().push_back(pager.NextLineTop());
        if (pager.LinePrinted() && i + 1 < lines) pages.emplace_back();
    }
    return pages;
}

TEST(PrintPager, PageOfKLinesStartsOneLineHeightDown) {
    PrintPager pager;
    pager.Start(3508, 96, 4); // an A4 page at 300 dpi, a 100-unit line
    ASSERT_EQ(pager.LinesPerPage(), 34);
    auto three = Pages(pager, 3);
    EXPECT_EQ(three, (std::vector<std::vector<int>>{{100, 200, 300}}));
    pager.Start(3508, 96, 4);
    auto pages = Pages(pager, 35);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].size(), 34u);
    EXPECT_EQ(pages[0].back(), 3400);
    EXPECT_EQ(pages[1], (std::vector<int>{100}));
}

TEST(PrintPager, ExactlyFullPageAsksForOneEjection) {
    PrintPager pager;
    pager.Start(500, 100, 0);
    int ejections = 0;
    for (int i = 0; i < 4; ++i)
        ejections += pager.LinePrinted();
    EXPECT_EQ(ejections, 1);
    EXPECT_EQ(pager.NextLineTop(), 100);
}

TEST(PrintPager, DegenerateFontsStillMoveDownAndFitALine) {
    struct Case {
        int page, height, leading, lineHeight, perPage;
    } cases[] = {{3508, 0, 0, 1, 3507}, {100, 150, 0, 150, 1}, {100, -5, 2, 1, 99}};
    for (const Case& c : cases) {
        PrintPager pager;
        pager.Start(c.page, c.height, c.leading);
        EXPECT_EQ(pager.LineHeight(), c.lineHeight) << c.height;
        EXPECT_EQ(pager.LinesPerPage(), c.perPage) << c.height;
    }
}

} // namespace
