#pragma once

#include "winlib/Application.h"

// The program's application object: the version check and the terminal
// window class at first start, the terminal window at every start.
class TelnetApplication : public Application {
  public:
    bool StartFirstInstance() override;
    bool StartInstance() override;

    // The host and port that the command line asked for.
    const CommandLineOptions& Options() const { return options; }

  private:
    void ReadArguments();

    CommandLineOptions options;
};
