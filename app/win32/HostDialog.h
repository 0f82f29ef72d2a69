#pragma once

#include "winlib/Dialog.h"

// "Open connection" (template HOSTDLGBOX): asks for the host. OK stores
// the edit's text into the caller's buffer; Cancel leaves it unchanged.
class HostDialog : public Dialog {
  public:
    HostDialog(char* hostText, int size, Window* parent);

    bool HandleInitDialog() override;
    void HandleOk() override;

  private:
    char* hostText;
    int size;
};
