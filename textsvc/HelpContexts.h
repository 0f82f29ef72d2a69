#pragma once

// The context numbers of LUM.HLP that the program asks for, and the help
// commands of a request (the values of the system help interface). The
// build checks that LUM.HLP has exactly one topic for each number in
// ProgramHelpContexts.

constexpr int HelpContextCommand = 1;
constexpr int HelpQuitCommand = 2;
constexpr int HelpIndexCommand = 3;

constexpr int HelpOnHelpContext = 1;
constexpr int GeneralContext = 2;
constexpr int KeyboardContext = 7;
constexpr int CommandsContext = 8;
constexpr int ExitContext = 9;
constexpr int CopyAndPasteContext = 10;
constexpr int SettingsContext = 11;
constexpr int ProceduresContext = 12;
constexpr int TerminalContext = 15;
constexpr int WindowSizeContext = 16;
constexpr int FontContext = 17;
constexpr int FindContext = 19;
constexpr int SelectAllContext = 20;
constexpr int UploadContext = 21;
constexpr int PasteContext = 22;
constexpr int SaveAndAppendContext = 23;
constexpr int LoggingContext = 24;
constexpr int PrintContext = 25;
constexpr int MacrosContext = 26;

constexpr int ProgramHelpContexts[] = {
    HelpOnHelpContext,    GeneralContext,  KeyboardContext,   CommandsContext, ExitContext,
    CopyAndPasteContext,  SettingsContext, ProceduresContext, TerminalContext, WindowSizeContext,
    FontContext,          FindContext,     SelectAllContext,  UploadContext,   PasteContext,
    SaveAndAppendContext, LoggingContext,  PrintContext,      MacrosContext,
};
constexpr int ProgramHelpContextCount = sizeof ProgramHelpContexts / sizeof ProgramHelpContexts[0];
