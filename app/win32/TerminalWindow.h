#pragma once

#include "app/CommandLine.h"
#include "app/SessionTitle.h"
#include "app/win32/EmulatorWindow.h"

// The program's one top-level window, of class "LUMO32", with the menu and
// the accelerators of the same name. This layer is the session's: choosing
// the host and connecting, new sessions, the title that shows the state of
// the connection, the question when the host closes it, and the menu
// state that the command table's rules read.
class TerminalWindow : public EmulatorWindow {
  public:
    explicit TerminalWindow(Profile& settings);

    void SetBaseCaption(const char* caption);
    // Creates and shows the window with the base caption as its title.
    bool StartTerminal(int showCommand);
    // The first connection: to the command line's host (which may carry
    // ":port"), or to one asked for with the host dialog.
    void ConnectAtStart(const char* host, int port);
    // Shows titleBase with the suffix of the scroll-back or hold mode.
    void UpdateTitle();

    // Hold or scroll-back mode changed: the title follows, and a hold the
    // user asked for lays the window out again.
    void HoldChanged(const HoldFlags& before) override;

    // The session's commands.
    void ConnectCommand() override;
    void NewSession() override;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    char hostText[HostTextSize] = {};
    int port = DefaultPort;
    char baseCaption[BaseCaptionSize] = {};
    char titleBase[TitleSize] = {};
    // What "New session..." runs: the program path of the argument table.
    const char* programPath = "";

  private:
    int IsConnected();
    int RunHostDialog();
    void Connect();
    void SetSessionState(SessionState state);
    LRESULT InitMenu(HMENU menu);
    int ClipboardHasText();
    void Connected();
    void Disconnected();
};
