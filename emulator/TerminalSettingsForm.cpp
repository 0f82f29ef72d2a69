#include "emulator/TerminalSettingsForm.h"

#include "resources/resource.h"

namespace {
int Flip(int flag) {
    return flag ? 0 : 1;
}
} // namespace

const int TerminalSettingsForm::ControlIds[] = {
    IDC_TTY,       IDC_VT100,   IDC_VT200,         IDC_BSDEL,     IDC_BSCTRLH, IDC_HOMECTRLA,
    IDC_HOMECTRLH, IDC_USASCII, IDC_FINNISH,       IDC_SWEDISH,   IDC_BRITISH, IDC_NEWLINE,
    IDC_AUTOWRAP,  IDC_MONITOR, IDC_MULTINATIONAL, IDC_LOCALECHO, IDC_UTF8};
const int TerminalSettingsForm::ControlCount = sizeof ControlIds / sizeof ControlIds[0];

int TerminalSettingsForm::Click(int id) {
    TerminalSettings& v = values;
    switch (id) {
    case IDC_TTY:
    case IDC_VT100:
    case IDC_VT200:
        v.emulation = id - IDC_TTY;
        resetNeeded = 1;
        return 0;
    case IDC_USASCII:
    case IDC_FINNISH:
    case IDC_SWEDISH:
    case IDC_BRITISH:
        v.nationalSet = id - IDC_USASCII;
        charsetChanged = 1;
        return 0;
    case IDC_NEWLINE: v.newlineMode = Flip(v.newlineMode); return 0;
    case IDC_AUTOWRAP: v.autowrap = Flip(v.autowrap); return 0;
    case IDC_MONITOR: v.monitorMode = Flip(v.monitorMode); return 0;
    case IDC_MULTINATIONAL:
        v.multinational = Flip(v.multinational);
        charsetChanged = 1;
        return 0;
    case IDC_LOCALECHO: v.localEcho = Flip(v.localEcho); return 0;
    case IDC_UTF8:
        v.utf8 = Flip(v.utf8);
        charsetChanged = 1;
        return 0;
    case IDC_BSDEL: v.bsSendsCtrlH = 0; return 0;
    case IDC_BSCTRLH: v.bsSendsCtrlH = 1; return 0;
    case IDC_HOMECTRLA: v.homeSendsCtrlA = 1; return 0;
    case IDC_HOMECTRLH: v.homeSendsCtrlA = 0; return 0;
    case IDC_DEFAULTS: Defaults(); return 1;
    default: return 0;
    }
}

// The options of a settings file without a "Terminal" section, with
// monitor mode off; the terminal is reset on OK.
void TerminalSettingsForm::Defaults() {
    values = TerminalSettings();
    resetNeeded = 1;
    charsetChanged = 0;
}

int TerminalSettingsForm::IsChecked(int id) const {
    const TerminalSettings& v = values;
    switch (id) {
    case IDC_TTY:
    case IDC_VT100:
    case IDC_VT200: return v.emulation == id - IDC_TTY;
    case IDC_USASCII:
    case IDC_FINNISH:
    case IDC_SWEDISH:
    case IDC_BRITISH: return v.nationalSet == id - IDC_USASCII;
    case IDC_NEWLINE: return v.newlineMode != 0;
    case IDC_AUTOWRAP: return v.autowrap != 0;
    case IDC_MONITOR: return v.monitorMode != 0;
    case IDC_MULTINATIONAL: return v.multinational != 0;
    case IDC_LOCALECHO: return v.localEcho != 0;
    case IDC_UTF8: return v.utf8 != 0;
    case IDC_BSDEL: return v.bsSendsCtrlH == 0;
    case IDC_BSCTRLH: return v.bsSendsCtrlH != 0;
    case IDC_HOMECTRLA: return v.homeSendsCtrlA != 0;
    case IDC_HOMECTRLH: return v.homeSendsCtrlA == 0;
    default: return 0;
    }
}
