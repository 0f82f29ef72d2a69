#include "app/win32/TelnetApplication.h"

#include "app/win32/TerminalWindow.h"

namespace {

const char ProgramCaption[] = "LUMO/NT";
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
        MessageBoxA(nullptr, "This program requires Windows version 3.1", ProgramCaption,
                    MB_OK | MB_ICONSTOP);
        return false;
    }
    return RegisterTerminalClass(instance);
}

// The arguments in upper case give the settings path ("-I"), the port
// ("-P") and the host; the settings path is in effect before the window reads
// any setting.
void TelnetApplication::ReadArguments() {
    UpperCaseArguments(arguments);
    lstrcpynA(options.settingsPath, settingsPath, SettingsPathSize);
    ReadCommandLine(arguments, options);
    lstrcpynA(settingsPath, options.settingsPath, SettingsPathSize);
}

bool TelnetApplication::StartInstance() {
    ReadArguments();
    TerminalWindow* window = new TerminalWindow;
    if (!window) return false;
    SetMainWindow(window);
    if (!window->Start(ProgramCaption, showCommand)) {
        SetMainWindow(nullptr);
        delete window;
        return false;
    }
    return true;
}
