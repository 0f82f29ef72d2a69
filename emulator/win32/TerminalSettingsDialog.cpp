#include "emulator/win32/TerminalSettingsDialog.h"

#include "resources/resource.h"

TerminalSettingsDialog::TerminalSettingsDialog(const TerminalSettings& current, Window* parent)
    : Dialog("TERMINALDLG", parent), form(current) {}

bool TerminalSettingsDialog::HandleInitDialog() {
    ShowControls();
    return true;
}

void TerminalSettingsDialog::ShowControls() {
    for (int i = 0; i < TerminalSettingsForm::ControlCount; ++i) {
        int id = TerminalSettingsForm::ControlIds[i];
        CheckDlgButton(handle, id, form.IsChecked(id) ? BST_CHECKED : BST_UNCHECKED);
    }
}

// The buttons are automatic: the system keeps their marks, the form its
// copy of the options.
bool TerminalSettingsDialog::HandleDialogCommand(int id, HWND, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    if (id != IDC_DEFAULTS && !GetDlgItem(handle, id)) return false;
    if (form.Click(id)) ShowControls();
    return true;
}
