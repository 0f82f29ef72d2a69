#include "textsvc/win32/FindDialog.h"

#include "resources/resource.h"

FindDialog::FindDialog(FindSettings& find_, Window* parent)
    : Dialog("FINDDLGBOX", parent), find(find_) {}

// The text so far, all selected, with the focus; false keeps the system
// from moving the focus elsewhere.
bool FindDialog::HandleInitDialog() {
    CheckDlgButton(handle, IDC_FINDCASE, find.ignoreCase ? BST_UNCHECKED : BST_CHECKED);
    HWND edit = GetDlgItem(handle, IDC_FINDTEXT);
    SendMessageA(edit, EM_LIMITTEXT, FindTextSize - 1, 0);
    SetWindowTextA(edit, find.text);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
    return false;
}

// The box is a plain check box: the dialog toggles it.
bool FindDialog::HandleDialogCommand(int id, HWND, int) {
    if (id != IDC_FINDCASE) return false;
    CheckDlgButton(handle, IDC_FINDCASE,
                   IsDlgButtonChecked(handle, IDC_FINDCASE) ? BST_UNCHECKED : BST_CHECKED);
    SetFocus(GetDlgItem(handle, IDC_FINDTEXT));
    return true;
}

void FindDialog::HandleOk() {
    GetDlgItemTextA(handle, IDC_FINDTEXT, find.text, FindTextSize);
    find.ignoreCase = IsDlgButtonChecked(handle, IDC_FINDCASE) ? 0 : 1;
    EndDialog(handle, IDOK);
}
