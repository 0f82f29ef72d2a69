#include "app/MenuState.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

// id -> (enabled, checked)
std::map<int, std::pair<int, int>> Rules(const MenuConditions& conditions) {
    MenuItemRule rules[MenuRuleCount];
    ApplyMenuRules(conditions, rules);
    std::map<int, std::pair<int, int>> byId;
    for (const MenuItemRule& rule : rules)
        byId[rule.id] = {rule.enabled, rule.checked};
    return byId;
}

TEST(MenuStateTest, WithoutSelectionOrConnectionTheSelectionAndSessionItemsAreGrayed) {
    auto rules = Rules(MenuConditions());
    for (int id : {IDM_SAVEAS, IDM_APPEND, IDM_PRINT, IDM_COPY, IDM_COPYQUOTED, IDM_UPLOAD,
                   IDM_PASTE, IDM_PASTESELECTION, IDM_PASTESELQUOTED, IDM_FIND})
        EXPECT_EQ(rules[id].first, 0) << id;
    EXPECT_EQ(rules[IDM_CONNECT].first, 1);
}

TEST(MenuStateTest, SelectionWithoutConnectionLeavesThePastesGrayed) {
    MenuConditions c;
    c.selection = 1;
    c.clipboardHasText = 1;
    auto rules = Rules(c);
    for (int id : {IDM_SAVEAS, IDM_APPEND, IDM_PRINT, IDM_COPY, IDM_COPYQUOTED})
        EXPECT_EQ(rules[id].first, 1) << id;
    for (int id : {IDM_PASTE, IDM_PASTESELECTION, IDM_PASTESELQUOTED})
        EXPECT_EQ(rules[id].first, 0) << id;
}

TEST(MenuStateTest, ConnectedGraysConnectAndEnablesUploadAndPastes) {
    MenuConditions c;
    c.connected = 1;
    auto rules = Rules(c);
    EXPECT_EQ(rules[IDM_CONNECT].first, 0);
    EXPECT_EQ(rules[IDM_UPLOAD].first, 1);
    EXPECT_EQ(rules[IDM_PASTE].first, 0) << "nothing on the clipboard";
    EXPECT_EQ(rules[IDM_PASTESELECTION].first, 0) << "nothing selected";
    c.clipboardHasText = 1;
    c.selection = 1;
    rules = Rules(c);
    EXPECT_EQ(rules[IDM_PASTE].first, 1);
    EXPECT_EQ(rules[IDM_PASTESELECTION].first, 1);
    EXPECT_EQ(rules[IDM_PASTESELQUOTED].first, 1);
}

TEST(MenuStateTest, FindOnlyInScrollBackMode) {
    MenuConditions c;
    c.scrollBackMode = 1;
    EXPECT_EQ(Rules(c)[IDM_FIND].first, 1);
}

TEST(MenuStateTest, CheckMarksFollowTheirFlagsAndOnlyThoseItemsHaveOne) {
    MenuConditions c;
    c.loggingMode = 2;
    c.multinational = 1;
    c.verticalScrollBar = 1;
    c.softSize = 1;
    auto rules = Rules(c);
    EXPECT_EQ(rules[IDM_LOGGING].second, 1);
    EXPECT_EQ(rules[IDM_MULTINATIONAL].second, 1);
    EXPECT_EQ(rules[IDM_VSCROLLBAR].second, 1);
    EXPECT_EQ(rules[IDM_SOFTSIZE].second, 1);
    EXPECT_EQ(rules[IDM_REMEMBERPOS].second, 0);
    EXPECT_EQ(rules[IDM_AUTOFOCUS].second, 0);
    int checkable = 0;
    for (auto& [id, state] : rules)
        checkable += state.second != -1;
    EXPECT_EQ(checkable, 6);
    EXPECT_EQ(rules.size(), std::size_t(MenuRuleCount));
}

} // namespace
