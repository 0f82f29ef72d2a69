#include "screen/win32/TerminalFontDialog.h"

#include <dlgs.h>

#include "screen/DisplaySettings.h"

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
    : FontDialog(font, ChooserOptions, nullptr, parent, "FONTDLG"), target(font), chosen() {
    LimitSize(MinFontSize, MaxFontSize);
}

// Some choosers hand their result back only while their window is being
// destroyed, which the window library keeps to itself; the font read from
// the chooser at OK is the choice whatever the chooser did with it later.
INT_PTR TerminalFontDialog::RunModal() {
    INT_PTR result = FontDialog::RunModal();
    if (result == IDOK && chosenRead && target) *target = chosen;
    return result;
}

bool TerminalFontDialog::HandleInitDialog() {
    HideControl(handle, stc2); // "Font St&yle:"
    HideControl(handle, cmb2);
    return true;
}

void TerminalFontDialog::HandleOk() {
    chosenRead =
        SendMessageA(handle, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&chosen)) ? 1
                                                                                             : 0;
    FontDialog::HandleOk();
}
