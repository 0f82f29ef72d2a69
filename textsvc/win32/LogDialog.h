#pragma once

#include "textsvc/LoggingSettings.h"
#include "winlib/Dialog.h"

// "Logging" (template LOGDLGBOX): the log file's path and the policy. OK
// stores both into the settings; Cancel changes nothing.
class LogDialog : public Dialog {
  public:
    LogDialog(LoggingSettings& logging, Window* parent);

    bool HandleInitDialog() override;
    void HandleOk() override;

  private:
    LoggingSettings& logging;
};
