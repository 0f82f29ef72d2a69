#include "TestDialog.h"

#include "resources/resource.h"

int TestDialog::destructions;

bool TestDialog::HandleInitDialog() {
    ++initCalls;
    if (initialText) SetDlgItemTextA(handle, IDC_HOSTNAME, initialText);
    if (actionMessage) {
        HWND target = actionTarget ? GetDlgItem(handle, actionTarget) : handle;
        if (actionTarget) SetFocus(target);
        PostMessageA(target, actionMessage, actionWParam, 0);
    }
    return !actionTarget;
}

void TestDialog::HandleSetFont(HFONT font_) {
    ++fontCalls;
    font = font_;
}

bool TestDialog::HandleDialogCommand(int id, HWND, int notifyCode) {
    lastCommandId = id;
    lastCommandCode = notifyCode;
    if (id == IDC_HOSTNAME && notifyCode == EN_CHANGE) hostChanged = true;
    return true;
}
