#pragma once

#include "winlib/Application.h"

class TerminalWindow;

// The program's application object: the version check and the terminal
// window class at first start; at every start the command line, the
// terminal window, Windows Sockets and the first connection; and the idle
// work that moves the session's data.
class TelnetApplication : public Application {
  public:
    bool StartFirstInstance() override;
    bool StartInstance() override;
    bool DoIdleWork(int count) override;

    // The host and port that the command line asked for.
    const CommandLineOptions& Options() const { return options; }

  private:
    void ReadArguments();
    TerminalWindow* Terminal() const;

    CommandLineOptions options;
};
