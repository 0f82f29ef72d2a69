#pragma once

// The rules that the terminal window applies to its menu bar each time it
// is opened: which items are enabled and which carry a check mark. Items
// without a rule keep the state of the menu resource.

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

struct MenuItemRule {
    int id;
    int enabled; // 1 enabled, 0 grayed
    int checked; // 1 checked, 0 unchecked, -1 the item has no check mark rule
};

constexpr int MenuRuleCount = 17;

// Fills rules with the state of every item that has a rule.
void ApplyMenuRules(const MenuConditions& conditions, MenuItemRule (&rules)[MenuRuleCount]);
