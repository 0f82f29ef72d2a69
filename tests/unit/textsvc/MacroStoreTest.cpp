#include "settings/ProfileTestSupport.h"

#include "textsvc/MacroStore.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string Definition(IniProfile& ini, const char* name) {
    char text[StoredMacroTextSize];
    ReadMacroDefinition(ini, name, text);
    return text;
}

} // namespace

TEST(MacroList, NamesInFileOrder) {
    IniProfile ini = MakeIni("[Macros]\nlogin=me\\N\\2secret\\N\nbye=exit\\N\n");
    MacroList list;
    ReadMacroList(ini, list);
    EXPECT_EQ(list.macroCount, 2);
    EXPECT_STREQ(MacroNameAt(list, 0), "login");
    EXPECT_STREQ(MacroNameAt(list, 1), "bye");
    EXPECT_STREQ(MacroNameAt(list, 2), "");
    EXPECT_STREQ(MacroNameAt(list, -1), "");
    EXPECT_EQ(Definition(ini, MacroNameAt(list, 0)), "me\\N\\2secret\\N");
}

TEST(MacroList, MissingSectionGivesEmptyList) {
    IniProfile ini = MakeIni("[Window]\nTop=1\n");
    MacroList list;
    list.macroCount = 5;
    ReadMacroList(ini, list);
    EXPECT_EQ(list.macroCount, 0);
    EXPECT_STREQ(MacroNameAt(list, 0), "");
    EXPECT_EQ(Definition(ini, ""), "");
}

// The system's profile functions list a line such as "=text" as an empty
// name, which would end the list at once; empty names are left out.
TEST(MacroList, EmptyNamesDoNotEndTheList) {
    struct ListingEmptyNames : IniProfile {
        int ListKeys(const char*, char* out, int size) override {
            static const char names[] = "\0first\0\0second\0";
            std::memcpy(out, names, size < int(sizeof names) ? size : sizeof names);
            return int(sizeof names) - 1;
        }
    } profile;
    MacroList list;
    ReadMacroList(profile, list);
    EXPECT_EQ(list.macroCount, 2);
    EXPECT_STREQ(MacroNameAt(list, 0), "first");
    EXPECT_STREQ(MacroNameAt(list, 1), "second");
}

TEST(MacroList, NameCutByTheFullListIsDropped) {
    // 40 names of 14 characters fill 600 bytes; the 40th is cut short.
    std::string text = "[Macros]\n";
    for (int i = 0; i < 40; ++i)
        text += "macro_number_" + std::string(1, char('A' + i)) + "=x\n";
    IniProfile ini = MakeIni(text);
    MacroList list;
    ReadMacroList(ini, list);
    EXPECT_EQ(list.macroCount, 39);
    for (int i = 0; i < list.macroCount; ++i)
        EXPECT_EQ(Definition(ini, MacroNameAt(list, i)), "x") << i;
}

TEST(MacroList, WholeNameEndingTheFullListIsKept) {
    // 39 names fill 585 bytes; a 40th of 12 characters ends exactly at 598.
    std::string text = "[Macros]\n";
    for (int i = 0; i < 39; ++i)
        text += "macro_number_" + std::string(1, char('A' + i)) + "=x\n";
    text += "last_macro_1=y\nnot_listed=z\n";
    IniProfile ini = MakeIni(text);
    MacroList list;
    ReadMacroList(ini, list);
    EXPECT_EQ(list.macroCount, 40);
    EXPECT_STREQ(MacroNameAt(list, 39), "last_macro_1");
}

TEST(MacroList, LongNameInFileCanBeReadAndDeleted) {
    const std::string name(40, 'n');
    IniProfile ini = MakeIni("[Macros]\n" + name + "=long\n");
    MacroList list;
    ReadMacroList(ini, list);
    ASSERT_EQ(list.macroCount, 1);
    EXPECT_EQ(Definition(ini, MacroNameAt(list, 0)), "long");
    DeleteMacro(ini, MacroNameAt(list, 0));
    ReadMacroList(ini, list);
    EXPECT_EQ(list.macroCount, 0);
}

TEST(MacroDefinition, CutTo253Characters) {
    IniProfile ini = MakeIni("[Macros]\nm=" + std::string(300, 'd') + "\n");
    char text[StoredMacroTextSize];
    EXPECT_EQ(ReadMacroDefinition(ini, "m", text), 253);
}

TEST(MacroSave, CreatesSectionAndStoresWhatReadingReturns) {
    IniProfile ini;
    EXPECT_TRUE(SaveMacro(ini, "first", "hello\\N"));
    EXPECT_EQ(Definition(ini, "first"), "hello\\N");
    EXPECT_TRUE(SaveMacro(ini, "FIRST", "again"));
    MacroList list;
    ReadMacroList(ini, list);
    EXPECT_EQ(list.macroCount, 1) << "names compare without case";
    EXPECT_TRUE(SaveMacro(ini, "long", std::string(255, 'a').c_str()));
    EXPECT_EQ(ini.Text().find(std::string(254, 'a')), std::string::npos);
    EXPECT_EQ(Definition(ini, "long"), std::string(253, 'a'));
}

TEST(MacroSave, RefusesNamesAndTextsThatWouldCorruptTheFile) {
    IniProfile ini;
    EXPECT_FALSE(SaveMacro(ini, "", "x"));
    EXPECT_FALSE(SaveMacro(ini, "   ", "x"));
    EXPECT_FALSE(SaveMacro(ini, "a=b", "x"));
    EXPECT_FALSE(SaveMacro(ini, "[Terminal]", "x"));
    EXPECT_FALSE(SaveMacro(ini, ";note", "x"));
    EXPECT_FALSE(SaveMacro(ini, "tab\there", "x"));
    EXPECT_FALSE(SaveMacro(ini, std::string(28, 'n').c_str(), "x"));
    EXPECT_FALSE(SaveMacro(ini, "inject", "x\r\n[Terminal]\r\nEmulation=7"));
    EXPECT_EQ(ini.Text(), "");
    EXPECT_TRUE(SaveMacro(ini, std::string(27, 'n').c_str(), "x"));
    EXPECT_TRUE(SaveMacro(ini, "  padded  ", "y"));
    EXPECT_EQ(Definition(ini, "padded"), "y");
}

TEST(MacroSave, BlanksAtTheEndsAndQuotesSurvive) {
    IniProfile ini;
    for (const char* text : {"ls -l ", "  cd", "\"quoted\"", "'x'"}) {
        ASSERT_TRUE(SaveMacro(ini, "m", text));
        EXPECT_EQ(Definition(ini, "m"), text);
    }
}

TEST(MacroDelete, RemovesOnlyTheNamedKey) {
    IniProfile ini = MakeIni("[Macros]\na=1\nb=2\n[Window]\nTop=3\n");
    DeleteMacro(ini, "A");
    MacroList list;
    ReadMacroList(ini, list);
    EXPECT_EQ(list.macroCount, 1);
    EXPECT_STREQ(MacroNameAt(list, 0), "b");
    EXPECT_EQ(ini.GetInt("Window", "Top", 0), 3);
}
