#include "screen/win32/ColorSchemeDialog.h"

#include "resources/resource.h"
#include "screen/ColorSchemes.h"

namespace {
const int FirstButton = IDC_SCHEME_STANDARD;
const int LastButton = IDC_SCHEME_STANDARD + SchemeCount - 1;
} // namespace

ColorSchemeDialog::ColorSchemeDialog(int scheme_, Window* parent)
    : Dialog("COLORDLGBOX", parent), scheme(scheme_) {}

bool ColorSchemeDialog::HandleInitDialog() {
    int shown = scheme >= 0 && scheme < SchemeCount ? scheme : 0;
    CheckRadioButton(handle, FirstButton, LastButton, FirstButton + shown);
    return true;
}

bool ColorSchemeDialog::HandleDialogCommand(int id, HWND, int) {
    if (id < FirstButton || id > LastButton) return false;
    scheme = id - FirstButton;
    return true;
}
