#include "app/CommandTable.h"

#include "resources/resource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// id -> (enabled, checked) of the items with an enable rule; -1 for no
// check mark.
std::map<int, std::pair<int, int>> Rules(const MenuConditions& conditions) {
    std::map<int, std::pair<int, int>> byId;
    for (const CommandRow& row : Commands())
        if (row.enabled)
            byId[row.id] = {row.enabled(conditions), row.checked ? row.checked(conditions) : -1};
    return byId;
}

// The line's words, split at spaces, tabs and commas.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        std::istringstream parts(word);
        for (std::string part; std::getline(parts, part, ',');)
            if (!part.empty()) words.push_back(part);
    }
    return words;
}

bool IsCommandName(const std::string& word) {
    return word.compare(0, 4, "IDM_") == 0;
}

// The values of resource.h's IDM_ names.
std::map<std::string, int> CommandIds() {
    std::ifstream in(LUMO_SOURCE_DIR "/resources/resource.h");
    std::map<std::string, int> ids;
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> w = Words(line);
        if (w.size() == 3 && w[0] == "#define" && IsCommandName(w[1])) ids[w[1]] = std::stoi(w[2]);
    }
    return ids;
}

// The command ids used by the MENU and ACCELERATORS resources of
// LUMO32.rc, and the size item that the window appends to the menu bar.
std::set<int> ResourceCommands() {
    std::map<std::string, int> ids = CommandIds();
    std::ifstream in(LUMO_SOURCE_DIR "/resources/LUMO32.rc");
    std::set<int> found = {IDM_SIZEITEM};
    int depth = -1; // -1 outside a menu or accelerator table
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> w = Words(line);
        if (w.size() == 2 && (w[1] == "MENU" || w[1] == "ACCELERATORS")) depth = 0;
        if (depth < 0 || w.empty()) continue;
        for (const std::string& word : w)
            if (IsCommandName(word)) {
                EXPECT_TRUE(ids.count(word)) << word << " is not in resource.h";
                found.insert(ids[word]);
            }
        if (w[0] == "BEGIN") ++depth;
        if (w[0] == "END" && --depth == 0) depth = -1;
    }
    return found;
}

TEST(CommandTableTest, EveryMenuAndAcceleratorCommandHasOneRowAndEveryRowAnItem) {
    std::set<int> resource = ResourceCommands();
    // The scan must have found the menu, not an empty or wrong file.
    ASSERT_GT(resource.size(), 30u);
    std::multiset<int> rows;
    for (const CommandRow& row : Commands())
        rows.insert(row.id);
    for (int id : resource)
        EXPECT_EQ(rows.count(id), 1u) << "command " << id;
    for (int id : rows)
        EXPECT_TRUE(resource.count(id)) << "row " << id << " has no menu item or accelerator";
}

TEST(CommandTableTest, EveryRowRunsSomethingAndAnIdWithoutARowIsNoCommand) {
    for (const CommandRow& row : Commands())
        EXPECT_TRUE(row.run || row.help.command) << row.id << " neither runs nor opens help";
    EXPECT_EQ(FindCommand(0), nullptr);
    EXPECT_EQ(FindCommand(12345), nullptr);
}

TEST(CommandTableTest, WithoutSelectionOrConnectionTheSelectionAndSessionItemsAreGrayed) {
    auto rules = Rules(MenuConditions());
    for (int id : {IDM_SAVEAS, IDM_APPEND, IDM_PRINT, IDM_COPY, IDM_COPYQUOTED, IDM_UPLOAD,
                   IDM_PASTE, IDM_PASTESELECTION, IDM_PASTESELQUOTED, IDM_FIND})
        EXPECT_EQ(rules[id].first, 0) << id;
    EXPECT_EQ(rules[IDM_CONNECT].first, 1);
}

TEST(CommandTableTest, SelectionWithoutConnectionLeavesThePastesGrayed) {
    MenuConditions c;
    c.selection = 1;
    c.clipboardHasText = 1;
    auto rules = Rules(c);
    for (int id : {IDM_SAVEAS, IDM_APPEND, IDM_PRINT, IDM_COPY, IDM_COPYQUOTED})
        EXPECT_EQ(rules[id].first, 1) << id;
    for (int id : {IDM_PASTE, IDM_PASTESELECTION, IDM_PASTESELQUOTED})
        EXPECT_EQ(rules[id].first, 0) << id;
}

TEST(CommandTableTest, ConnectedGraysConnectAndEnablesUploadAndPastes) {
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

TEST(CommandTableTest, FindOnlyInScrollBackMode) {
    MenuConditions c;
    c.scrollBackMode = 1;
    EXPECT_EQ(Rules(c)[IDM_FIND].first, 1);
}

TEST(CommandTableTest, CheckMarksFollowTheirFlagsAndOnlyThoseItemsHaveOne) {
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
    EXPECT_EQ(rules.size(), std::size_t(17));
}

} // namespace
