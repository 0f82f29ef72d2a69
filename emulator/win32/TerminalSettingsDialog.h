#pragma once

#include "emulator/TerminalSettingsForm.h"
#include "winlib/Dialog.h"

// The "Terminal settings" dialog (template TERMINALDLG). It edits a copy
// of the options; after a run that returned 1 (OK) the form holds the new
// options and what applying them must reset.
class TerminalSettingsDialog : public Dialog {
  public:
    TerminalSettingsDialog(const TerminalSettings& current, Window* parent);

    bool HandleInitDialog() override;
    bool HandleDialogCommand(int id, HWND control, int notifyCode) override;

    TerminalSettingsForm form;

  private:
    void ShowControls();
};
