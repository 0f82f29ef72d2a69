#pragma once

// Which help a menu command asks for: the Help menu's own commands, and
// the help of any menu item chosen with F1 held (help mode).

struct HelpRequest {
    int command; // HelpContextCommand or HelpIndexCommand; 0: no help
    int context; // the topic's context number with HelpContextCommand
};

// The call of a Help menu command (501 to 506); command 0 for any other.
HelpRequest HelpMenuRequest(int commandId);

// The help of a menu item chosen in help mode; command 0 when the item
// has none ("Help not available for selected item").
HelpRequest MenuItemHelp(int commandId);
