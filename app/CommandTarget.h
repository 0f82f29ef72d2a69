#pragma once

// What the terminal window does for the commands of its menu and
// accelerators. The command table names one of these operations for each
// command id; the window's layers implement them.
class CommandTarget {
  public:
    virtual ~CommandTarget() = default;

    // File menu.
    virtual void ConnectCommand() = 0;
    virtual void NewSession() = 0;
    virtual void SaveAs() = 0;
    virtual void AppendTo() = 0;
    virtual void Upload() = 0;
    virtual void Print() = 0;
    virtual void PrintSetup() = 0;
    virtual void LoggingCommand() = 0;
    virtual void Exit() = 0;

    // Edit menu.
    virtual void Copy() = 0;
    virtual void CopyQuoted() = 0;
    virtual void PasteClipboard() = 0;
    virtual void PasteSelection() = 0;
    virtual void PasteSelectionQuoted() = 0;
    virtual void Find() = 0;
    virtual void SelectAll() = 0;
    virtual void ClearLinesOffTop() = 0;

    // Settings menu, the size item and macros.
    virtual void RunTerminalSettings() = 0;
    virtual void FontCommand() = 0;
    virtual void ColorsCommand() = 0;
    virtual void ToggleMultinational() = 0;
    virtual void ToggleRememberOrigin() = 0;
    virtual void ToggleVerticalScrollBar() = 0;
    virtual void ToggleAutoFocus() = 0;
    virtual void ToggleSoftSize() = 0;
    virtual void Resize80x24Command() = 0;
    virtual void ShowSizeHelp() = 0;
    virtual void RunMacroDialog() = 0;
    virtual void PlayMacro() = 0;

    // Help menu: the viewer opened with a help command and context number
    // (textsvc/HelpContexts.h), and the About box.
    virtual void CallHelp(int command, int context) = 0;
    virtual void RunAboutBox() = 0;

    // A message box owned by the window: with the information icon, or
    // without an icon.
    virtual void Tell(const char* text, bool informationIcon) = 0;
};
