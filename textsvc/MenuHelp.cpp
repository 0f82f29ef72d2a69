#include "textsvc/MenuHelp.h"

#include "resources/resource.h"
#include "textsvc/HelpContexts.h"

namespace {

constexpr HelpRequest NoHelp = {0, 0};

constexpr HelpRequest Topic(int context) {
    return {HelpContextCommand, context};
}

} // namespace

HelpRequest HelpMenuRequest(int commandId) {
    switch (commandId) {
    case IDM_HELPINDEX: return {HelpIndexCommand, 0};
    case IDM_HELPGENERAL: return Topic(GeneralContext);
    case IDM_HELPKEYBOARD: return Topic(KeyboardContext);
    case IDM_HELPCOMMANDS: return Topic(CommandsContext);
    case IDM_HELPPROCEDURES: return Topic(ProceduresContext);
    case IDM_HELPUSINGHELP: return Topic(HelpOnHelpContext);
    default: return NoHelp;
    }
}

HelpRequest MenuItemHelp(int commandId) {
    switch (commandId) {
    case IDM_SAVEAS:
    case IDM_APPEND: return Topic(SaveAndAppendContext);
    case IDM_UPLOAD: return Topic(UploadContext);
    case IDM_EXIT: return Topic(ExitContext);
    case IDM_PRINT:
    case IDM_PRINTSETUP: return Topic(PrintContext);
    case IDM_COPY:
    case IDM_COPYQUOTED:
    case IDM_CLEARLINES:
    case IDM_PASTESELECTION:
    case IDM_PASTESELQUOTED: return Topic(CopyAndPasteContext);
    case IDM_PASTE: return Topic(PasteContext);
    case IDM_FIND: return Topic(FindContext);
    case IDM_SELECTALL: return Topic(SelectAllContext);
    case IDM_TERMINAL: return Topic(TerminalContext);
    case IDM_REMEMBERPOS:
    case IDM_VSCROLLBAR:
    case IDM_MULTINATIONAL:
    case IDM_COLORS:
    case IDM_AUTOFOCUS: return Topic(SettingsContext);
    case IDM_FONT: return Topic(FontContext);
    case IDM_SOFTSIZE:
    case IDM_RESIZE80X24:
    case IDM_SIZEITEM: return Topic(WindowSizeContext);
    case IDM_LOGGING: return Topic(LoggingContext);
    case IDM_MACROS: return Topic(MacrosContext);
    default: return HelpMenuRequest(commandId);
    }
}
