#include "keyboard/KeyCodeMatchers.h"
#include "keyboard/KeyMessages.h"
#include "keyboard/VirtualKeys.h"
#include "screen/ScrollBack.h"
#include "textsvc/HelpContexts.h"
#include "textsvc/HelpFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

KeyContext Plain() {
    return KeyContext();
}

KeyContext Held() {
    KeyContext context;
    context.hold = 1;
    return context;
}

TEST(KeyDownMessage, F5AloneIsBreakShiftF5IsHelpAndCtrlOrAltF5SendNothing) {
    EXPECT_EQ(Codes(HandleKeyDown(116, KeyData(63), Plain()).codes),
              std::vector<KeyCode>{BreakMarker});
    KeyContext shift = Plain();
    shift.keys.shift = 1;
    EXPECT_EQ(Codes(HandleKeyDown(116, KeyData(63), shift).codes), Esc("[28~"));
    KeyContext ctrl = Plain();
    ctrl.keys.ctrl = 1;
    EXPECT_TRUE(HandleKeyDown(116, KeyData(63), ctrl).codes.Empty());
    KeyContext alt = Plain();
    alt.keys.alt = 1;
    EXPECT_TRUE(HandleKeyDown(116, KeyData(63), alt).codes.Empty());
}

TEST(KeyDownMessage, WhileHeldANavigationKeyScrollsTheViewAndSendsNothing) {
    KeyMessageResult result = HandleKeyDown(VirtualKey::Prior, KeyData(73, true), Held());
    EXPECT_TRUE(result.codes.Empty());
    EXPECT_EQ(result.scroll.bar, 1);
    EXPECT_EQ(result.scroll.code, ScrollCode::PageUp);
    EXPECT_EQ(result.defaultProcessing, 0);
    // Ctrl held when the key went down turns Home into a vertical scroll.
    KeyContext ctrl = Held();
    ctrl.keys.ctrl = 1;
    result = HandleKeyDown(VirtualKey::Home, KeyData(71, true), ctrl);
    EXPECT_TRUE(result.codes.Empty());
    EXPECT_EQ(result.scroll.bar, 1);
    EXPECT_EQ(result.scroll.code, ScrollCode::Top);
}

TEST(KeyDownMessage, WhileHeldAKeyTheViewDoesNotUseIsTranslated) {
    KeyContext context = Held();
    context.keys.scrollLockOn = 0;
    KeyMessageResult result = HandleKeyDown(VirtualKey::Scroll, KeyData(70), context);
    EXPECT_EQ(Codes(result.codes), std::vector<KeyCode>{ResumeMarker});
    EXPECT_EQ(result.scroll.bar, 0);
}

TEST(KeyDownMessage, WithoutHoldTheViewIsNeverScrolled) {
    KeyMessageResult result = HandleKeyDown(VirtualKey::Up, KeyData(72, true), Plain());
    EXPECT_EQ(Codes(result.codes), Esc("[A"));
    EXPECT_EQ(result.scroll.bar, 0);
}

TEST(CharMessage, CtrlBreakAsksForABreakUnlessHeld) {
    KeyContext ctrl = Plain();
    ctrl.keys.ctrl = 1;
    EXPECT_EQ(Codes(HandleChar(3, KeyData(70, true), ctrl).codes),
              std::vector<KeyCode>{BreakMarker});
    KeyContext held = Held();
    held.keys.ctrl = 1;
    EXPECT_TRUE(HandleChar(3, KeyData(70, true), held).codes.Empty());
}

TEST(CharMessage, TheNonExtendedBreakCharacterIsDroppedButCtrlCIsSent) {
    KeyContext ctrl = Plain();
    ctrl.keys.ctrl = 1;
    EXPECT_TRUE(HandleChar(3, KeyData(70), ctrl).codes.Empty());
    EXPECT_EQ(Codes(HandleChar(3, KeyData(46), ctrl).codes), std::vector<KeyCode>{3});
    EXPECT_EQ(Codes(HandleChar('x', KeyData(45), Plain()).codes), Text("x"));
}

TEST(SysKeyMessage, UntranslatedAltCombinationsGoToTheMenu) {
    KeyContext alt = Plain();
    alt.keys.alt = 1;
    KeyMessageResult menu = HandleSysKeyDown('F', KeyData(33), alt);
    EXPECT_TRUE(menu.codes.Empty());
    EXPECT_EQ(menu.defaultProcessing, 1);
    KeyMessageResult altF4 = HandleSysKeyDown(115, KeyData(62), alt);
    EXPECT_EQ(altF4.defaultProcessing, 1);
}

TEST(SysKeyMessage, F10AndAltWithEditingKeysSendTheirSequences) {
    KeyMessageResult f10 = HandleSysKeyDown(121, KeyData(68), Plain());
    EXPECT_EQ(Codes(f10.codes), Esc("[21~"));
    EXPECT_EQ(f10.defaultProcessing, 0);
    KeyContext alt = Plain();
    alt.keys.alt = 1;
    KeyMessageResult pageUp = HandleSysKeyDown(VirtualKey::Prior, KeyData(73, true), alt);
    EXPECT_EQ(Codes(pageUp.codes), Esc("[5~"));
    EXPECT_EQ(pageUp.defaultProcessing, 0);
}

// The help's Keyboard topic against the key handling: every row of a table
// whose first column is headed "Key" names a key, and each of its cells
// says what the key sends under the column's modifiers and modes.

std::string SourceFile(const char* path) {
    std::ifstream in(std::string(LUMO_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A key as its messages carry it: a key-down key by its virtual key, or a
// character key by the characters it gives alone and with Ctrl.
struct PhysicalKey {
    unsigned vk;
    int scan;
    bool extended;
    unsigned alone = 0, withCtrl = 0;
    const char* accelerator = ""; // its name in the accelerator table
};

// The key a row names; false for a name no key has.
bool KeyNamed(const std::string& name, PhysicalKey& key) {
    static const std::map<std::string, PhysicalKey> keys = {
        {"Up", {38, 72, true}},
        {"Down", {40, 80, true}},
        {"Right", {39, 77, true}},
        {"Left", {37, 75, true}},
        {"Insert", {45, 82, true, 0, 0, "VK_INSERT"}},
        {"Delete", {46, 83, true}},
        {"Home", {36, 71, true}},
        {"End", {35, 79, true}},
        {"Page Up", {33, 73, true}},
        {"Page Down", {34, 81, true}},
        {"Enter", {0, 28, false, 13, 10, "VK_RETURN"}},
        {"Backspace", {0, 14, false, 8, 127}},
        {"Space", {0, 57, false, ' ', ' '}},
        {"Ctrl+Break", {0, 70, true, 3, 3}},
        {"Keypad Enter", {0, 28, true, 13}},
        {"Keypad /", {0, 53, true, '/'}}};
    static const char keypad[] = "0123456789.-+*";
    static const int keypadScans[] = {82, 79, 80, 81, 75, 76, 77, 71, 72, 73, 83, 74, 78, 55};
    int f = name.size() > 1 && name[0] == 'F' ? std::atoi(name.c_str() + 1) : 0;
    const char* pad = name.size() == 8 && name.compare(0, 7, "Keypad ") == 0
                          ? std::strchr(keypad, name[7])
                          : nullptr;
    if (keys.count(name))
        key = keys.at(name);
    else if (f >= 1 && f <= 12)
        key = {111u + f, f <= 10 ? 58 + f : 76 + f, false};
    else if (pad && *pad)
        key = {0, keypadScans[pad - keypad], false, static_cast<unsigned char>(*pad)};
    else
        return false;
    return true;
}

// A column heading: the modifiers and modes of its cells, and the
// accelerator table's modifier word; "DEC key" columns only name keys.
struct Column {
    const char* heading;
    int shift, ctrl, ansi, cursorKeyMode, keypadMode;
    const char* modifier;
};
const Column columns[] = {
    {"Alone", 0, 0, 1, 0, 0, ""},
    {"Shift+key", 1, 0, 1, 0, 0, "SHIFT"},
    {"Ctrl+key", 0, 1, 1, 0, 0, "CONTROL"},
    {"ANSI normal", 0, 0, 1, 0, 0, ""},
    {"ANSI application", 0, 0, 1, 1, 0, ""},
    {"VT52", 0, 0, 0, 0, 0, ""},
    {"Numeric", 0, 0, 1, 0, 0, ""},
    {"Application", 0, 0, 1, 0, 1, ""},
    {"VT52 application", 0, 0, 0, 0, 1, ""},
    {"DEC key", 0, 0, 0, 0, 0, nullptr},
};
const char* const commands[][2] = {{"Copy", "IDM_COPY"}, {"Paste", "IDM_PASTE"}};

// The cells of a kept line (one that begins with a space).
std::vector<std::string> Cells(const std::string& line) {
    static const std::regex gap(" {2,}");
    std::vector<std::string> cells;
    if (line.empty() || line[0] != ' ') return cells;
    for (std::sregex_token_iterator it(line.begin() + 1, line.end(), gap, -1), end; it != end; ++it)
        if (it->length() && !(it->str().front() == '(' && it->str().back() == ')'))
            cells.push_back(*it); // a bracketed cell names the DEC key of the one before
    return cells;
}

// "ESC [ 2 3 ~", "Ctrl-H (8)", "a break signal", "nothing": the codes.
std::vector<KeyCode> Sent(const std::string& cell) {
    if (cell == "nothing") return {};
    if (cell == "a break signal") return {BreakMarker};
    static const std::map<std::string, KeyCode> names = {
        {"ESC", 27}, {"CR", 13}, {"DEL", 127}, {"NUL", 0}, {"Space", 32}};
    std::vector<KeyCode> codes;
    std::istringstream words(cell);
    for (std::string word; words >> word;) {
        if (names.count(word))
            codes.push_back(names.at(word));
        else if (word.size() == 6 && word.compare(0, 5, "Ctrl-") == 0)
            codes.push_back(word[5] & 31);
        else if (word.size() == 1)
            codes.push_back(static_cast<unsigned char>(word[0]));
        else if (word.front() == '(' && !codes.empty())
            EXPECT_EQ(std::to_string(codes.back()), word.substr(1, word.size() - 2)) << cell;
        else
            ADD_FAILURE() << "unknown word \"" << word << "\" in \"" << cell << "\"";
    }
    return codes;
}

std::vector<KeyCode> Press(const PhysicalKey& key, const Column& column) {
    KeyContext context;
    context.keys.shift = column.shift;
    context.keys.ctrl = column.ctrl;
    context.modes.ansiMode = column.ansi;
    context.modes.cursorKeyMode = column.cursorKeyMode;
    context.modes.keypadMode = column.keypadMode;
    std::uint32_t data = KeyData(key.scan, key.extended);
    if (key.vk) return Codes(HandleKeyDown(key.vk, data, context).codes);
    return Codes(HandleChar(column.ctrl ? key.withCtrl : key.alone, data, context).codes);
}

// "VK_INSERT IDM_COPY CONTROL" for each line of the accelerator table.
std::set<std::string> Accelerators() {
    std::string rc = SourceFile("resources/LUMO32.rc");
    static const std::regex line(R"((VK_\w+), (IDM_\w+), VIRTKEY(, (\w+))?)");
    std::set<std::string> found;
    for (std::sregex_iterator it(rc.begin(), rc.end(), line), end; it != end; ++it)
        found.insert((*it)[1].str() + " " + (*it)[2].str() + " " + (*it)[4].str());
    return found;
}

void CheckCell(const std::string& name, const PhysicalKey& key, const Column& column,
               const std::string& cell, const std::set<std::string>& accelerators) {
    SCOPED_TRACE(name + " / " + column.heading + ": " + cell);
    bool isAccelerator = false;
    for (const std::string& entry : accelerators)
        isAccelerator |= entry.rfind(std::string(key.accelerator) + " ", 0) == 0 &&
                         entry.substr(entry.rfind(' ') + 1) == column.modifier;
    for (const auto& command : commands)
        if (cell == command[0]) {
            std::string wanted =
                std::string(key.accelerator) + " " + command[1] + " " + column.modifier;
            EXPECT_TRUE(accelerators.count(wanted)) << "no accelerator " << wanted;
            return;
        }
    EXPECT_FALSE(isAccelerator) << "the key is an accelerator of the menu";
    EXPECT_EQ(Press(key, column), Sent(cell));
}

TEST(HelpKeyTables, EveryRowSaysWhatTheKeySends) {
    std::string text = SourceFile("help/LUM.HLP");
    HelpFile help;
    HelpError error;
    ASSERT_TRUE(ParseHelpFile(text.data(), text.size(), help, error)) << error.message;
    int topic = help.FindContext(KeyboardContext);
    ASSERT_GE(topic, 0);
    std::set<std::string> accelerators = Accelerators();
    std::istringstream lines(help.topics[topic].text);
    std::vector<const Column*> heads;
    int checked = 0;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> cells = Cells(line);
        if (cells.empty()) heads.clear();
        if (cells.empty() || heads.empty()) {
            if (!cells.empty() && cells[0] == "Key") {
                for (std::size_t i = 1; i < cells.size(); ++i) {
                    auto it = std::find_if(std::begin(columns), std::end(columns),
                                           [&](const Column& c) { return cells[i] == c.heading; });
                    ASSERT_NE(it, std::end(columns)) << "column \"" << cells[i] << "\"";
                    heads.push_back(it);
                }
            }
            continue;
        }
        PhysicalKey key;
        ASSERT_TRUE(KeyNamed(cells[0], key)) << "key \"" << cells[0] << "\"";
        ASSERT_LE(cells.size() - 1, heads.size()) << line;
        for (std::size_t i = 1; i < cells.size(); ++i)
            if (heads[i - 1]->modifier)
                CheckCell(cells[0], key, *heads[i - 1], cells[i], accelerators);
        ++checked;
    }
    EXPECT_GE(checked, 40);
}

} // namespace
