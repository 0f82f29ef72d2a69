#include "app/win32/TelnetApplication.h"

#include "app/SessionTitle.h"
#include "app/win32/TerminalWindow.h"
#include "settings/win32/PrivateProfile.h"
#include "winlib/SystemUpperCase.h"

namespace {

const int RequiredVersion = 3 * 256 + 10;

// Major version in the low byte of the low word, minor in its high byte.
int WindowsVersion() {
    DWORD version = GetVersion();
    return LOBYTE(LOWORD(version)) * 256 + HIBYTE(LOWORD(version));
}

bool RegisterTerminalClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = &Window::CommonWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "LUMO32");
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM));
    windowClass.lpszMenuName = "LUMO32";
    windowClass.lpszClassName = TerminalWindow::ClassName;
    return RegisterClassA(&windowClass) != 0;
}

} // namespace

bool TelnetApplication::StartFirstInstance() {
    if (WindowsVersion() < RequiredVersion) {
        MessageBoxA(nullptr, "This program requires Windows version 3.1", ProgramTitle,
                    MB_OK | MB_ICONSTOP);
        return false;
    }
    return RegisterTerminalClass(instance);
}

void TelnetApplication::TakeCommandLine(const char* programPath, char* commandLine) {
    MakeSettingsPath(programPath, settingsPath);
    SplitCommandLine(programPath, commandLine, arguments);
}

// The arguments in upper case give the settings path ("-I"), the port
// ("-P") and the host; the settings path is in effect before the window reads
// any setting.
void TelnetApplication::ReadArguments() {
    UpperCaseArguments(arguments, SystemUpperCase);
    lstrcpynA(options.settingsPath, settingsPath, SettingsPathSize);
    ReadCommandLine(arguments, options);
    lstrcpynA(settingsPath, options.settingsPath, SettingsPathSize);
}

// The window's layers read their settings while it is made and write them
// back when it is destroyed, through the settings file of this start.
bool TelnetApplication::StartInstance() {
    ReadArguments();
    static PrivateProfile profile(settingsPath);
    TerminalWindow* window = new TerminalWindow(profile);
    if (!window) return false;
    SetMainWindow(window);
    window->SetBaseCaption(ProgramTitle);
    window->programPath = arguments.programPath;
    if (!window->StartTerminal(showCommand)) {
        SetMainWindow(nullptr);
        delete window;
        return false;
    }
    if (window->log.settings.loggingMode) window->log.RunDialog();
    window->session.Link(&connection);
    connection.SetEvents(window);
    if (connection.Open(window->Handle(), settingsPath, window))
        window->ConnectAtStart(options.host, options.port);
    return true;
}

TerminalWindow* TelnetApplication::Terminal() const {
    return static_cast<TerminalWindow*>(mainWindow);
}

// Outgoing bytes first, then received ones, then the next piece of a
// paste; each step runs on every pass.
bool TelnetApplication::DoIdleWork(int) {
    TerminalWindow* window = Terminal();
    if (!window) return false;
    int more = window->session.PumpSend();
    more |= window->session.PumpReceive();
    more |= window->PumpPaste();
    return more != 0;
}
