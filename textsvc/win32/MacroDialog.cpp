#include "textsvc/win32/MacroDialog.h"

#include "resources/resource.h"
#include "settings/BoundedText.h"

MacroDialog::MacroDialog(Profile& profile, int macroIndex, Window* parent)
    : Dialog("MACRODLGBOX", parent), form(profile, macroIndex) {}

// The definition field takes no more than the settings file gives back,
// so what is saved is what is shown.
bool MacroDialog::HandleInitDialog() {
    SendDlgItemMessageA(handle, IDC_MACRONAME, EM_LIMITTEXT, MacroNameSize - 1, 0);
    SendDlgItemMessageA(handle, IDC_MACROTEXT, EM_LIMITTEXT, StoredMacroTextSize - 1, 0);
    form.RefreshMacroList();
    ShowList();
    return true;
}

void MacroDialog::ShowList() {
    HWND list = GetDlgItem(handle, IDC_MACROLIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < form.list.macroCount; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(MacroNameAt(form.list, i)));
    ShowFields();
    ShowButtons();
}

void MacroDialog::ShowFields() {
    filling = 1;
    SetDlgItemTextA(handle, IDC_MACROTEXT, form.macroText);
    SetDlgItemTextA(handle, IDC_MACRONAME, form.macroName);
    filling = 0;
    if (form.list.macroCount > 0)
        SendDlgItemMessageA(handle, IDC_MACROLIST, LB_SETCURSEL, form.macroIndex, 0);
}

void MacroDialog::ShowButtons() {
    EnableWindow(GetDlgItem(handle, IDC_MACRODELETE), form.deleteEnabled);
    EnableWindow(GetDlgItem(handle, IDC_MACROSAVE), form.saveEnabled);
}

void MacroDialog::Save() {
    if (form.Save()) {
        ShowList();
        return;
    }
    MessageBoxA(handle,
                "A macro name has 1 to 27 characters, no \"=\", and does not begin with \"[\" or "
                "\";\".",
                "Macro", MB_OK | MB_ICONEXCLAMATION);
}

void MacroDialog::ListNotified(int notifyCode) {
    HWND list = GetDlgItem(handle, IDC_MACROLIST);
    switch (notifyCode) {
    case LBN_SELCHANGE:
        form.Select(static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)));
        ShowFields();
        break;
    case LBN_DBLCLK: EndDialog(handle, IDOK); break;
    case LBN_SETFOCUS: SendMessageA(list, LB_SETCURSEL, form.macroIndex, 0); break;
    case LBN_KILLFOCUS: SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0); break;
    default: break;
    }
}

void MacroDialog::FieldChanged(int id) {
    if (filling) return;
    char text[MacroTextSize];
    GetDlgItemTextA(handle, id, text, sizeof text);
    if (id == IDC_MACRONAME)
        form.NameChanged(text);
    else
        form.TextChanged(text);
    ShowButtons();
}

bool MacroDialog::HandleDialogCommand(int id, HWND, int notifyCode) {
    switch (id) {
    case IDC_MACROSAVE: Save(); return true;
    case IDC_MACRODELETE:
        form.Delete();
        ShowList();
        return true;
    case IDC_MACROLIST: ListNotified(notifyCode); return true;
    case IDC_MACRONAME:
    case IDC_MACROTEXT:
        if (notifyCode == EN_CHANGE) FieldChanged(id);
        return true;
    default: return false;
    }
}

int RunMacroDialog(Profile& profile, char* lastMacro, int lastMacroSize, int& lastMacroIndex,
                   Window* parent) {
    MacroDialog dialog(profile, lastMacroIndex, parent);
    INT_PTR result = dialog.RunModal();
    if (result < 0) return 0;
    lastMacroIndex = dialog.form.macroIndex;
    CopyText(lastMacro, lastMacroSize, dialog.form.macroText);
    return result == IDOK;
}
