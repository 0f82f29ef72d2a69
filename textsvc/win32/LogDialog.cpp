#include "textsvc/win32/LogDialog.h"

#include "resources/resource.h"

LogDialog::LogDialog(LoggingSettings& logging_, Window* parent)
    : Dialog("LOGDLGBOX", parent), logging(logging_) {}

// The path all selected, with the focus; false keeps the system from
// moving the focus elsewhere.
bool LogDialog::HandleInitDialog() {
    HWND edit = GetDlgItem(handle, IDC_LOGFILE);
    SendMessageA(edit, EM_LIMITTEXT, LogFilePathSize - 1, 0);
    SetWindowTextA(edit, logging.logFilePath);
    SendMessageA(edit, EM_SETSEL, 0, 32767);
    CheckRadioButton(handle, IDC_LINESONLY, IDC_ALLRCVDCHARS,
                     logging.logPolicy == AllRcvdChars ? IDC_ALLRCVDCHARS : IDC_LINESONLY);
    SetFocus(edit);
    return false;
}

void LogDialog::HandleOk() {
    GetDlgItemTextA(handle, IDC_LOGFILE, logging.logFilePath, LogFilePathSize);
    logging.logPolicy = IsDlgButtonChecked(handle, IDC_LINESONLY) ? LinesOnly : AllRcvdChars;
    EndDialog(handle, IDOK);
}
