#pragma once

#include "winlib/Dialog.h"

// A dialog that records what reached it and, once initialised, posts itself
// the message a user's action would produce.
class TestDialog : public Dialog {
  public:
    explicit TestDialog(const char* templateName) : Dialog(templateName) {}
    ~TestDialog() override { ++destructions; }

    bool HandleInitDialog() override;
    void HandleSetFont(HFONT font) override;
    bool HandleDialogCommand(int id, HWND control, int notifyCode) override;

    // Posted to the control with id actionTarget (or to the dialog when 0)
    // after initialisation; nothing when actionMessage is 0.
    UINT actionMessage = 0;
    WPARAM actionWParam = 0;
    int actionTarget = 0;
    const char* initialText = nullptr;

    static int destructions;
    int initCalls = 0;
    int fontCalls = 0;
    HFONT font = nullptr;
    int lastCommandId = -1;
    int lastCommandCode = -1;
    bool hostChanged = false;
};
