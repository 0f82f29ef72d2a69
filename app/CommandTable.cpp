#include "app/CommandTable.h"

#include "resources/resource.h"
#include "textsvc/HelpContexts.h"

namespace {

using T = CommandTarget;

int Always(const MenuConditions&) {
    return 1;
}
int NotConnected(const MenuConditions& c) {
    return !c.connected;
}
int Connected(const MenuConditions& c) {
    return c.connected ? 1 : 0;
}
int HasSelection(const MenuConditions& c) {
    return c.selection ? 1 : 0;
}
int CanPasteClipboard(const MenuConditions& c) {
    return c.connected && c.clipboardHasText;
}
int CanPasteSelection(const MenuConditions& c) {
    return c.connected && c.selection;
}
int InScrollBack(const MenuConditions& c) {
    return c.scrollBackMode ? 1 : 0;
}
int Logging(const MenuConditions& c) {
    return c.loggingMode ? 1 : 0;
}
int Multinational(const MenuConditions& c) {
    return c.multinational ? 1 : 0;
}
int RememberOrigin(const MenuConditions& c) {
    return c.rememberOrigin ? 1 : 0;
}
int VerticalScrollBar(const MenuConditions& c) {
    return c.verticalScrollBar ? 1 : 0;
}
int AutoFocus(const MenuConditions& c) {
    return c.autoFocus ? 1 : 0;
}
int SoftSize(const MenuConditions& c) {
    return c.softSize ? 1 : 0;
}

constexpr HelpRequest NoHelp = {0, 0};
constexpr HelpRequest HelpIndex = {HelpIndexCommand, 0};

constexpr HelpRequest Topic(int context) {
    return {HelpContextCommand, context};
}

// clang-format off
const CommandRow Rows[] = {
    // id                   handler                     enabled            checked            F1 help
    {IDM_CONNECT,           &T::ConnectCommand,         NotConnected,      nullptr,           NoHelp},
    {IDM_NEWSESSION,        &T::NewSession,             nullptr,           nullptr,           NoHelp},
    {IDM_SAVEAS,            &T::SaveAs,                 HasSelection,      nullptr,           Topic(SaveAndAppendContext)},
    {IDM_APPEND,            &T::AppendTo,               HasSelection,      nullptr,           Topic(SaveAndAppendContext)},
    {IDM_UPLOAD,            &T::Upload,                 Connected,         nullptr,           Topic(UploadContext)},
    {IDM_PRINT,             &T::Print,                  HasSelection,      nullptr,           Topic(PrintContext)},
    {IDM_PRINTSETUP,        &T::PrintSetup,             nullptr,           nullptr,           Topic(PrintContext)},
    {IDM_LOGGING,           &T::LoggingCommand,         Always,            Logging,           Topic(LoggingContext)},
    {IDM_EXIT,              &T::Exit,                   nullptr,           nullptr,           Topic(ExitContext)},
    {IDM_COPY,              &T::Copy,                   HasSelection,      nullptr,           Topic(CopyAndPasteContext)},
    {IDM_COPYQUOTED,        &T::CopyQuoted,             HasSelection,      nullptr,           Topic(CopyAndPasteContext)},
    {IDM_PASTE,             &T::PasteClipboard,         CanPasteClipboard, nullptr,           Topic(PasteContext)},
    {IDM_PASTESELECTION,    &T::PasteSelection,         CanPasteSelection, nullptr,           Topic(CopyAndPasteContext)},
    {IDM_PASTESELQUOTED,    &T::PasteSelectionQuoted,   CanPasteSelection, nullptr,           Topic(CopyAndPasteContext)},
    {IDM_FIND,              &T::Find,                   InScrollBack,      nullptr,           Topic(FindContext)},
    {IDM_SELECTALL,         &T::SelectAll,              nullptr,           nullptr,           Topic(SelectAllContext)},
    {IDM_CLEARLINES,        &T::ClearLinesOffTop,       nullptr,           nullptr,           Topic(CopyAndPasteContext)},
    {IDM_TERMINAL,          &T::RunTerminalSettings,    nullptr,           nullptr,           Topic(TerminalContext)},
    {IDM_FONT,              &T::FontCommand,            nullptr,           nullptr,           Topic(FontContext)},
    {IDM_COLORS,            &T::ColorsCommand,          nullptr,           nullptr,           Topic(SettingsContext)},
    {IDM_MULTINATIONAL,     &T::ToggleMultinational,    Always,            Multinational,     Topic(SettingsContext)},
    {IDM_REMEMBERPOS,       &T::ToggleRememberOrigin,   Always,            RememberOrigin,    Topic(SettingsContext)},
    {IDM_VSCROLLBAR,        &T::ToggleVerticalScrollBar, Always,           VerticalScrollBar, Topic(SettingsContext)},
    {IDM_AUTOFOCUS,         &T::ToggleAutoFocus,        Always,            AutoFocus,         Topic(SettingsContext)},
    {IDM_SOFTSIZE,          &T::ToggleSoftSize,         Always,            SoftSize,          Topic(WindowSizeContext)},
    {IDM_RESIZE80X24,       &T::Resize80x24Command,     nullptr,           nullptr,           Topic(WindowSizeContext)},
    {IDM_SIZEITEM,          &T::ShowSizeHelp,           nullptr,           nullptr,           Topic(WindowSizeContext)},
    {IDM_MACROS,            &T::RunMacroDialog,         nullptr,           nullptr,           Topic(MacrosContext)},
    {IDM_REPEATMACRO,       &T::PlayMacro,              nullptr,           nullptr,           NoHelp},
    {IDM_HELPINDEX,         nullptr,                    nullptr,           nullptr,           HelpIndex},
    {IDM_HELPGENERAL,       nullptr,                    nullptr,           nullptr,           Topic(GeneralContext)},
    {IDM_HELPKEYBOARD,      nullptr,                    nullptr,           nullptr,           Topic(KeyboardContext)},
    {IDM_HELPCOMMANDS,      nullptr,                    nullptr,           nullptr,           Topic(CommandsContext)},
    {IDM_HELPPROCEDURES,    nullptr,                    nullptr,           nullptr,           Topic(ProceduresContext)},
    {IDM_HELPUSINGHELP,     nullptr,                    nullptr,           nullptr,           Topic(HelpOnHelpContext)},
    {IDM_ABOUT,             &T::RunAboutBox,            nullptr,           nullptr,           NoHelp},
};
// clang-format on

} // namespace

CommandRows Commands() {
    return {Rows, static_cast<int>(sizeof Rows / sizeof Rows[0])};
}

const CommandRow* FindCommand(int id) {
    for (const CommandRow& row : Commands())
        if (row.id == id) return &row;
    return nullptr;
}

void RunCommand(CommandTarget& target, int id) {
    const CommandRow* row = FindCommand(id);
    if (!row)
        target.Tell("Command not implemented", true);
    else if (row->run)
        (target.*row->run)();
    else
        target.CallHelp(row->help.command, row->help.context);
}

void RunCommandHelp(CommandTarget& target, int id) {
    const CommandRow* row = FindCommand(id);
    if (row && row->help.command)
        target.CallHelp(row->help.command, row->help.context);
    else
        target.Tell("Help not available for selected item", false);
}
