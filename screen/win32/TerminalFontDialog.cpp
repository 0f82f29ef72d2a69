#include "screen/win32/TerminalFontDialog.h"

#include <dlgs.h>

namespace {

const DWORD ChooserOptions = CF_SCREENFONTS | CF_ANSIONLY | CF_FIXEDPITCHONLY | CF_NOSIMULATIONS |
                             CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT;

void HideControl(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    EnableWindow(control, FALSE);
    ShowWindow(control, SW_HIDE);
}

} // namespace

TerminalFontDialog::TerminalFontDialog(LOGFONTA* font, Window* parent)
    : FontDialog(font, ChooserOptions, nullptr, parent, "FONTDLG") {}

bool TerminalFontDialog::HandleInitDialog() {
    HideControl(handle, stc2); // "Font St&yle:"
    HideControl(handle, cmb2);
    return true;
}
