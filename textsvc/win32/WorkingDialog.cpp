#include "textsvc/win32/WorkingDialog.h"

#include "resources/resource.h"
#include "textsvc/PastePieces.h"

namespace {
const DWORD ProgressMilliseconds = 200;
const int ProgressTextSize = 64;
} // namespace

WorkingDialog::WorkingDialog(int& cancelled_, WorkingDialog*& slot_)
    : Dialog(static_cast<const char*>(nullptr)), cancelled(cancelled_), slot(slot_) {}

WorkingDialog* WorkingDialog::Open(int& cancelled, WorkingDialog*& slot, Window* owner) {
    WorkingDialog* dialog = new WorkingDialog(cancelled, slot);
    if (!dialog) return nullptr;
    cancelled = 0;
    if (!dialog->CreateModeless("PASTEDLGBOX", owner)) {
        delete dialog;
        return nullptr;
    }
    slot = dialog;
    dialog->owner = owner ? owner->Handle() : nullptr;
    ShowWindow(dialog->handle, SW_SHOWNOACTIVATE);
    return dialog;
}

WorkingDialog::~WorkingDialog() {
    if (slot == this) slot = nullptr;
    if (owner) EnableWindow(owner, TRUE);
}

void WorkingDialog::ShowProgress(long long sent, long long total) {
    DWORD now = GetTickCount();
    if (now - shownAt < ProgressMilliseconds && sent < total) return;
    shownAt = now;
    char text[ProgressTextSize];
    FormatPasteProgress(text, sizeof text, sent, total);
    SetDlgItemTextA(handle, IDC_PASTEPROGRESS, text);
}

void WorkingDialog::HandleCancel() {
    cancelled = 1;
}

LRESULT WorkingDialog::HandleClose() {
    cancelled = 1;
    return 0;
}
