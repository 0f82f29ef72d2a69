#pragma once

#include "textsvc/FindText.h"
#include "winlib/Dialog.h"

// "Find" (template FINDDLGBOX): the search text and the "Case sensitive"
// box. OK stores both; Cancel changes nothing.
class FindDialog : public Dialog {
  public:
    FindDialog(FindSettings& find, Window* parent);

    bool HandleInitDialog() override;
    bool HandleDialogCommand(int id, HWND control, int notifyCode) override;
    void HandleOk() override;

  private:
    FindSettings& find;
};
