#include "app/MenuState.h"

#include "resources/resource.h"

void ApplyMenuRules(const MenuConditions& c, MenuItemRule (&rules)[MenuRuleCount]) {
    int sel = c.selection ? 1 : 0;
    int conn = c.connected ? 1 : 0;
    auto on = [](int flag) { return flag ? 1 : 0; };
    MenuItemRule table[MenuRuleCount] = {
        {IDM_CONNECT, !conn, -1},
        {IDM_SAVEAS, sel, -1},
        {IDM_APPEND, sel, -1},
        {IDM_UPLOAD, conn, -1},
        {IDM_PRINT, sel, -1},
        {IDM_LOGGING, 1, on(c.loggingMode)},
        {IDM_COPY, sel, -1},
        {IDM_COPYQUOTED, sel, -1},
        {IDM_PASTE, conn && c.clipboardHasText, -1},
        {IDM_PASTESELECTION, conn && sel, -1},
        {IDM_PASTESELQUOTED, conn && sel, -1},
        {IDM_FIND, on(c.scrollBackMode), -1},
        {IDM_MULTINATIONAL, 1, on(c.multinational)},
        {IDM_REMEMBERPOS, 1, on(c.rememberOrigin)},
        {IDM_VSCROLLBAR, 1, on(c.verticalScrollBar)},
        {IDM_AUTOFOCUS, 1, on(c.autoFocus)},
        {IDM_SOFTSIZE, 1, on(c.softSize)},
    };
    for (int i = 0; i < MenuRuleCount; ++i)
        rules[i] = table[i];
}
