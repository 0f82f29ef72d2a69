#include "app/CommandTable.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "textsvc/HelpContexts.h"

namespace {

constexpr HelpRequest NoHelp = {0, 0};

// The help that a Help menu command opens when chosen; none for any other.
HelpRequest HelpMenuRequest(int id) {
    const CommandRow* row = FindCommand(id);
    return row && !row->run ? row->help : NoHelp;
}

// The help of an item chosen in help mode.
HelpRequest MenuItemHelp(int id) {
    const CommandRow* row = FindCommand(id);
    return row ? row->help : NoHelp;
}

TEST(CommandHelp, HelpMenuCommandsAskForTheIndexOrTheirTopic) {
    struct Case {
        int command;
        HelpRequest request;
    } cases[] = {
        {IDM_HELPINDEX, {HelpIndexCommand, 0}},
        {IDM_HELPGENERAL, {HelpContextCommand, 2}},
        {IDM_HELPKEYBOARD, {HelpContextCommand, 7}},
        {IDM_HELPCOMMANDS, {HelpContextCommand, 8}},
        {IDM_HELPPROCEDURES, {HelpContextCommand, 12}},
        {IDM_HELPUSINGHELP, {HelpContextCommand, HelpOnHelpContext}},
        {IDM_ABOUT, {0, 0}},
        {IDM_PRINT, {0, 0}},
    };
    for (const Case& c : cases) {
        HelpRequest request = HelpMenuRequest(c.command);
        EXPECT_EQ(request.command, c.request.command) << c.command;
        EXPECT_EQ(request.context, c.request.context) << c.command;
    }
}

TEST(CommandHelp, F1OnAMenuItemFindsItsTopic) {
    struct Case {
        int context;
        std::vector<int> commands;
    } cases[] = {
        {23, {IDM_SAVEAS, IDM_APPEND}},
        {21, {IDM_UPLOAD}},
        {9, {IDM_EXIT}},
        {25, {IDM_PRINT, IDM_PRINTSETUP}},
        {10, {IDM_COPY, IDM_COPYQUOTED, IDM_CLEARLINES, IDM_PASTESELECTION, IDM_PASTESELQUOTED}},
        {22, {IDM_PASTE}},
        {19, {IDM_FIND}},
        {20, {IDM_SELECTALL}},
        {15, {IDM_TERMINAL}},
        {11, {IDM_REMEMBERPOS, IDM_VSCROLLBAR, IDM_MULTINATIONAL, IDM_COLORS, IDM_AUTOFOCUS}},
        {17, {IDM_FONT}},
        {16, {IDM_SOFTSIZE, IDM_RESIZE80X24, IDM_SIZEITEM}},
        {24, {IDM_LOGGING}},
        {26, {IDM_MACROS}},
    };
    for (const Case& c : cases)
        for (int command : c.commands) {
            HelpRequest request = MenuItemHelp(command);
            EXPECT_EQ(request.command, HelpContextCommand) << command;
            EXPECT_EQ(request.context, c.context) << command;
        }
}

TEST(CommandHelp, F1OnAHelpMenuItemMakesItsOwnCallAndOthersHaveNoHelp) {
    for (int command = IDM_HELPINDEX; command <= IDM_HELPUSINGHELP; ++command) {
        HelpRequest own = HelpMenuRequest(command);
        HelpRequest f1 = MenuItemHelp(command);
        EXPECT_EQ(f1.command, own.command) << command;
        EXPECT_EQ(f1.context, own.context) << command;
    }
    for (int command : {IDM_ABOUT, IDM_CONNECT, IDM_NEWSESSION, IDM_REPEATMACRO, 0, 12345})
        EXPECT_EQ(MenuItemHelp(command).command, 0) << command;
}

} // namespace
