#pragma once

#include "winlib/Dialog.h"

// The modeless "Working..." dialog of a running paste: how far it has got,
// and Cancel (or the close box), which only sets the paste's cancel flag;
// the paste ends at its next step and removes the dialog. The object is
// made with new and deletes itself with its window, emptying the slot that
// holds it.
class WorkingDialog : public Dialog {
  public:
    // Shows the dialog beside owner without taking the focus from it, so
    // that typing goes on reaching the terminal; clears cancelled. Null when
    // it could not be made.
    static WorkingDialog* Open(int& cancelled, WorkingDialog*& slot, Window* owner);
    ~WorkingDialog() override;

    // Shows the count of bytes sent, at most five times a second unless
    // the paste is complete.
    void ShowProgress(long long sent, long long total);

    // The focus stays with the terminal: no control takes it.
    bool HandleInitDialog() override { return false; }
    void HandleCancel() override;
    LRESULT HandleClose() override;

  private:
    WorkingDialog(int& cancelled, WorkingDialog*& slot);

    int& cancelled;
    WorkingDialog*& slot;
    HWND owner = nullptr;
    DWORD shownAt = 0;
};
