#pragma once

#include "app/CommandTarget.h"

// The program's commands, one row for every command id of the menu, the
// accelerators and the size item: what runs it, when its menu item is
// enabled or checked, and which help topic F1 on it opens. The terminal
// window's WM_COMMAND, WM_INITMENU and F1 help mode all read this table.

// What the rules ask of the window each time the menu bar is opened.
struct MenuConditions {
    int connected = 0; // linked to a connection whose connected flag is set
    int selection = 0; // the mouse selection is not empty
    int scrollBackMode = 0;
    int clipboardHasText = 0; // the clipboard opened and offers CF_TEXT or CF_OEMTEXT
    int loggingMode = 0;
    int multinational = 0;
    int rememberOrigin = 0;
    int verticalScrollBar = 0;
    int autoFocus = 0;
    int softSize = 0;
};

// A rule gives 1 or 0 from the conditions.
using MenuRule = int (*)(const MenuConditions&);
using CommandHandler = void (CommandTarget::*)();

// A help call: a help command of textsvc/HelpContexts.h (0: no help) and,
// with HelpContextCommand, the topic's context number.
struct HelpRequest {
    int command;
    int context;
};

struct CommandRow {
    int id;
    // What the command runs; none for the Help menu's topics, which open
    // their help.
    CommandHandler run;
    // Whether the item is enabled; without a rule it keeps the state of
    // the menu resource.
    MenuRule enabled;
    // Whether the item has a check mark; without a rule it has none.
    MenuRule checked;
    // F1 on the item in an open menu (help mode).
    HelpRequest help;
};

// The rows, for iterating.
struct CommandRows {
    const CommandRow* first;
    int count;
    const CommandRow* begin() const { return first; }
    const CommandRow* end() const { return first + count; }
};
CommandRows Commands();

// The command's row, or null for an id that is not a command.
const CommandRow* FindCommand(int id);

// WM_COMMAND: the command's handler; an id without a row tells that the
// command is not implemented.
void RunCommand(CommandTarget& target, int id);

// A command chosen in help mode opens the item's help instead of running.
void RunCommandHelp(CommandTarget& target, int id);
