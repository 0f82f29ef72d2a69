#include "textsvc/MacroDialogForm.h"

#include "settings/ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char ThreeMacros[] = "[Macros]\r\nlogin=root\\N\r\nlist=ls -l\\N\r\nquit=exit\\N\r\n";

std::string Names(const MacroDialogForm& form) {
    std::string names;
    for (int i = 0; i < form.list.macroCount; ++i)
        names += std::string(i ? "," : "") + MacroNameAt(form.list, i);
    return names;
}

} // namespace

TEST(MacroDialogForm, OpensOnTheLastPositionOrTheFirstWhenTheListShrank) {
    IniProfile profile = MakeIni(ThreeMacros);
    struct {
        int index;
        const char* name;
        const char* text;
    } cases[] = {{1, "list", "ls -l\\N"},
                 {2, "quit", "exit\\N"},
                 {7, "login", "root\\N"},
                 {3, "login", "root\\N"},
                 {-1, "login", "root\\N"}};
    for (const auto& c : cases) {
        MacroDialogForm form(profile, c.index);
        form.RefreshMacroList();
        EXPECT_EQ(Names(form), "login,list,quit");
        EXPECT_STREQ(form.macroName, c.name) << c.index;
        EXPECT_STREQ(form.macroText, c.text) << c.index;
        EXPECT_EQ(form.deleteEnabled, 1);
        EXPECT_EQ(form.saveEnabled, 0);
    }
}

TEST(MacroDialogForm, EmptySectionThenSaveCreatesTheFirstMacro) {
    IniProfile profile;
    MacroDialogForm form(profile, 0);
    form.RefreshMacroList();
    EXPECT_EQ(form.list.macroCount, 0);
    EXPECT_EQ(form.deleteEnabled, 0);
    EXPECT_STREQ(form.macroName, "");
    form.NameChanged("g"); // a name of one letter
    EXPECT_EQ(form.saveEnabled, 1);
    form.TextChanged("hello\\3world");
    ASSERT_TRUE(form.Save());
    EXPECT_EQ(Names(form), "g");
    EXPECT_STREQ(form.macroText, "hello\\3world");
    EXPECT_EQ(form.deleteEnabled, 1);
    EXPECT_EQ(form.saveEnabled, 0);
    EXPECT_EQ(profile.Text(), "[Macros]\r\ng=hello\\3world\r\n");
    form.Delete(); // the only macro: the list is empty again
    EXPECT_EQ(form.list.macroCount, 0);
    EXPECT_EQ(form.deleteEnabled, 0);
    EXPECT_STREQ(form.macroName, "");
    EXPECT_EQ(profile.Text().find("g="), std::string::npos);
}

// Save stores under the name field, so a renamed macro is a new one; Delete
// removes the one selected in the list whatever the name field says.
TEST(MacroDialogForm, SaveUnderANewNameKeepsTheOldAndDeleteTakesTheSelection) {
    IniProfile profile = MakeIni(ThreeMacros);
    MacroDialogForm form(profile, 0);
    form.RefreshMacroList();
    form.Select(1);
    form.TextChanged("ls -la\\N");
    EXPECT_EQ(form.saveEnabled, 1) << "a changed definition alone can be saved";
    form.Select(2);
    form.NameChanged("bye");
    ASSERT_TRUE(form.Save());
    EXPECT_EQ(Names(form), "login,list,quit,bye");
    EXPECT_EQ(form.macroIndex, 0);
    form.Select(1);
    form.NameChanged("quit");
    form.Delete();
    EXPECT_EQ(Names(form), "login,quit,bye");
    EXPECT_STREQ(form.macroName, "login");
}

TEST(MacroDialogForm, RefusedNamesStoreNothingAndKeepTheFields) {
    IniProfile profile = MakeIni(ThreeMacros);
    const std::string before = profile.Text();
    for (const char* name : {"", "  ", "a=b", "[Window]", ";note", "two\r\nlines", "bell\a"}) {
        MacroDialogForm form(profile, 0);
        form.RefreshMacroList();
        form.NameChanged(name);
        form.TextChanged("text");
        EXPECT_FALSE(form.Save()) << name;
        EXPECT_STREQ(form.macroText, "text");
        EXPECT_EQ(form.saveEnabled, 1);
    }
    EXPECT_EQ(profile.Text(), before);
}

// A file damaged by hand: lines without "=" and a second section of the
// same name are ignored; a hundred names fill the 600-byte list only as
// far as whole names fit, each of them readable.
TEST(MacroDialogForm, DamagedAndCrowdedSectionsListWhatCanBeRead) {
    std::string text = "[Macros]\r\ngarbage line\r\n=novalue\r\nok=fine\r\n[Macros\r\n";
    for (int i = 0; i < 100; ++i)
        text += "macro" + std::to_string(i) + "=text " + std::to_string(i) + "\r\n";
    IniProfile profile = MakeIni(text);
    MacroDialogForm form(profile, 0);
    form.RefreshMacroList();
    EXPECT_EQ(MacroNameAt(form.list, 0), std::string("ok"));
    ASSERT_GT(form.list.macroCount, 50);
    form.Select(form.list.macroCount - 1);
    const std::string last = MacroNameAt(form.list, form.list.macroCount - 1);
    EXPECT_EQ(std::string(form.macroText), "text " + last.substr(5));
    form.Delete();
    EXPECT_EQ(profile.Text().find(last + "="), std::string::npos);
}
