#pragma once

#include "app/CommandLine.h"
#include "app/win32/WindowMessages.h"
#include "session/win32/TelnetConnection.h"
#include "winlib/Application.h"

class TerminalWindow;

// The program's application object: the version check and the terminal
// window class at first start; at every start the command line, the
// terminal window, Windows Sockets and the first connection; and the idle
// work that moves the session's data. It owns the process's one connection,
// whose destruction at exit cleans up Windows Sockets.
class TelnetApplication : public Application {
  public:
    bool StartFirstInstance() override;
    bool StartInstance() override;
    bool DoIdleWork(int count) override;
    // Forms the settings path from the executable's name and splits the
    // command line (in place) into the argument table.
    void TakeCommandLine(const char* programPath, char* commandLine) override;

    // The host and port that the command line asked for.
    const CommandLineOptions& Options() const { return options; }

  private:
    void ReadArguments();
    TerminalWindow* Terminal() const;

    ArgumentTable arguments;
    char settingsPath[SettingsPathSize] = {};
    CommandLineOptions options;
    TelnetConnection connection{UM_SOCKET};
};
