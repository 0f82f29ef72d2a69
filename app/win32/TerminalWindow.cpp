#include "app/win32/TerminalWindow.h"

#include <cstdio>

#include "app/CommandTable.h"
#include "app/win32/HostDialog.h"
#include "textsvc/SelectionCopy.h"

TerminalWindow::TerminalWindow(Profile& settings) : EmulatorWindow(settings) {}

void TerminalWindow::SetBaseCaption(const char* caption) {
    std::snprintf(baseCaption, sizeof baseCaption, "%s", caption);
    SetSessionState(SessionState::NoHost);
}

bool TerminalWindow::StartTerminal(int showCommand) {
    return EmulatorWindow::StartTerminal(titleBase, showCommand);
}

void TerminalWindow::SetSessionState(SessionState state) {
    MakeTitleBase(titleBase, baseCaption, state, hostText);
    UpdateTitle();
}

void TerminalWindow::UpdateTitle() {
    if (!handle) return;
    char title[TitleSize];
    MakeWindowTitle(title, titleBase, ScrollBackMode(), session.hold.IsHeld());
    SetWindowTextA(handle, title);
}

void TerminalWindow::HoldChanged(const HoldFlags& before) {
    if (!before.holdRequested && session.hold.HoldRequested()) {
        UpdateView();
        Layout();
    }
    UpdateTitle();
}

int TerminalWindow::IsConnected() {
    return session.IsConnected();
}

int TerminalWindow::RunHostDialog() {
    HostDialog dialog(hostText, sizeof hostText, this);
    return static_cast<int>(dialog.RunModal());
}

// The title tells that an attempt started, whatever Connect returned: a
// failure has shown its own message.
void TerminalWindow::Connect() {
    Connection* connection = session.LinkedConnection();
    if (connection) connection->Connect(hostText, port);
    SetSessionState(SessionState::Trying);
}

void TerminalWindow::ConnectAtStart(const char* host, int port_) {
    std::snprintf(hostText, sizeof hostText, "%s", host ? host : "");
    port = port_;
    if (!hostText[0]) RunHostDialog();
    if (!hostText[0]) return;
    SplitHostPort(hostText, &port);
    Connect();
}

// The host typed here is used whole, on the Telnet port.
void TerminalWindow::ConnectCommand() {
    if (IsConnected()) return;
    if (RunHostDialog() != IDOK) return;
    port = DefaultPort;
    Connect();
}

// Another copy of the program, without arguments: it asks for its host.
void TerminalWindow::NewSession() {
    if (WinExec(programPath, SW_SHOWNORMAL) < 32)
        MessageBoxA(handle, "Cannot start new session", baseCaption, MB_OK | MB_ICONSTOP);
}

void TerminalWindow::Connected() {
    SetSessionState(SessionState::Connected);
}

// OK closes the window without the exit confirmation; Cancel keeps it for
// another Connect.
void TerminalWindow::Disconnected() {
    SetSessionState(SessionState::Disconnected);
    char question[ClosedQuestionSize];
    MakeClosedQuestion(question, hostText);
    if (MessageBoxA(handle, question, baseCaption, MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
        Destroy();
}

int TerminalWindow::ClipboardHasText() {
    if (!OpenClipboard(handle)) return 0;
    int hasText = IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_OEMTEXT);
    CloseClipboard();
    return hasText;
}

LRESULT TerminalWindow::InitMenu(HMENU menu) {
    if (menu != GetMenu(handle)) return 0;
    MenuConditions conditions;
    conditions.connected = IsConnected();
    conditions.selection = !SelectionEmpty(screen);
    conditions.scrollBackMode = ScrollBackMode();
    conditions.clipboardHasText = ClipboardHasText();
    conditions.multinational = emulator.CurrentSettings().multinational;
    conditions.rememberOrigin = rememberOrigin;
    conditions.verticalScrollBar = verticalScrollBar;
    conditions.autoFocus = autoFocus;
    conditions.softSize = softSize;
    conditions.loggingMode = log.settings.loggingMode;
    for (const CommandRow& row : Commands()) {
        if (!row.enabled) continue;
        EnableMenuItem(menu, row.id,
                       MF_BYCOMMAND | (row.enabled(conditions) ? MF_ENABLED : MF_GRAYED));
        if (row.checked)
            CheckMenuItem(menu, row.id,
                          MF_BYCOMMAND | (row.checked(conditions) ? MF_CHECKED : MF_UNCHECKED));
    }
    return 1;
}

LRESULT TerminalWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITMENU: return InitMenu(reinterpret_cast<HMENU>(wParam));
    case UM_CONNECTED: Connected(); return 0;
    case UM_DISCONNECTED: Disconnected(); return 0;
    default: return EmulatorWindow::HandleMessage(message, wParam, lParam);
    }
}
