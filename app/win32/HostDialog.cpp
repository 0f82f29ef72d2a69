#include "app/win32/HostDialog.h"

#include "resources/resource.h"

HostDialog::HostDialog(char* hostText_, int size_, Window* parent)
    : Dialog("HOSTDLGBOX", parent), hostText(hostText_), size(size_) {}

// The host so far, all selected, with the focus; false keeps the system
// from moving the focus elsewhere.
bool HostDialog::HandleInitDialog() {
    HWND edit = GetDlgItem(handle, IDC_HOSTNAME);
    SendMessageA(edit, EM_LIMITTEXT, size - 1, 0);
    SetWindowTextA(edit, hostText);
    SendMessageA(edit, EM_SETSEL, 0, 32767);
    SetFocus(edit);
    return false;
}

void HostDialog::HandleOk() {
    GetDlgItemTextA(handle, IDC_HOSTNAME, hostText, size);
    EndDialog(handle, IDOK);
}
