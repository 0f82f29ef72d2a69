#pragma once

#include "winlib/Application.h"

// The application object of the check program: its instance is the
// program's module, so the dialog templates come from its resources.
class TestApplication : public Application {
  public:
    static TestApplication& Get();

    bool DoIdleWork(int count) override;

    // Idle work records its counters here; it reports more work while the
    // counter is below idleRounds, then posts a message to end the wait.
    int idleRounds = 0;
    int idleCalls[8] = {};
    int idleCallCount = 0;

  private:
    TestApplication();
};
