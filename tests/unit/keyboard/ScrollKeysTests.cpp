#include "keyboard/ScrollKeys.h"
#include "keyboard/VirtualKeys.h"
#include "screen/ScrollBack.h"

#include <gtest/gtest.h>

namespace {

TEST(ScrollKeys, NavigationKeysBecomeScrollMessages) {
    struct Case {
        unsigned key;
        int ctrl, bar, code;
    } cases[] = {
        {VirtualKey::Prior, 0, 1, ScrollCode::PageUp},
        {VirtualKey::Next, 0, 1, ScrollCode::PageDown},
        {VirtualKey::End, 0, 2, ScrollCode::Bottom},
        {VirtualKey::End, 1, 1, ScrollCode::Bottom},
        {VirtualKey::Home, 0, 2, ScrollCode::Top},
        {VirtualKey::Home, 1, 1, ScrollCode::Top},
        {VirtualKey::Left, 0, 2, ScrollCode::LineUp},
        {VirtualKey::Up, 0, 1, ScrollCode::LineUp},
        {VirtualKey::Right, 0, 2, ScrollCode::LineDown},
        {VirtualKey::Down, 0, 1, ScrollCode::LineDown},
    };
    for (const Case& c : cases) {
        ScrollKeyAction action = ScrollKeyFor(c.key, c.ctrl);
        EXPECT_EQ(action.bar, c.bar) << c.key;
        EXPECT_EQ(action.code, c.code) << c.key;
    }
    EXPECT_EQ(ScrollKeyFor('A', 0).bar, 0);
    EXPECT_EQ(ScrollKeyFor(VirtualKey::Insert, 1).bar, 0);
}

} // namespace
