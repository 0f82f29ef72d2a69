#pragma once

#include "winlib/Dialog.h"

// "Window Colors": one radio button per colour scheme. The scheme chosen is
// in Scheme() after OK; a scheme number outside the table (which draws as
// the standard scheme) is kept unless another button is pressed.
class ColorSchemeDialog : public Dialog {
  public:
    ColorSchemeDialog(int scheme, Window* parent);

    bool HandleInitDialog() override;
    bool HandleDialogCommand(int id, HWND control, int notifyCode) override;

    int Scheme() const { return scheme; }

  private:
    int scheme;
};
