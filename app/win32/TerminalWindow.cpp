#include "app/win32/TerminalWindow.h"

namespace {
const int InitialWidth = 660;
const int InitialHeight = 440;
const int TitleSize = 80;
} // namespace

bool TerminalWindow::Start(const char* caption, int showCommand) {
    RECT rectangle = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + InitialWidth,
                      CW_USEDEFAULT + InitialHeight};
    if (!CreateFrame(ClassName, caption, WS_OVERLAPPEDWINDOW, rectangle, nullptr, nullptr))
        return false;
    UseAccelerators(ClassName);
    ShowWindow(handle, showCommand);
    UpdateWindow(handle);
    return true;
}

LRESULT TerminalWindow::HandleCommand(int, HWND, int) {
    char title[TitleSize];
    GetWindowTextA(handle, title, sizeof title);
    MessageBoxA(handle, "Command not implemented", title, MB_OK | MB_ICONINFORMATION);
    return 0;
}

LRESULT TerminalWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: return EraseBackground(reinterpret_cast<HDC>(wParam));
    default: return FrameWindow::HandleMessage(message, wParam, lParam);
    }
}

// The class has no background brush: the window fills its own background in
// the system's window colour.
LRESULT TerminalWindow::EraseBackground(HDC context) {
    RECT client;
    GetClientRect(handle, &client);
    FillRect(context, &client, GetSysColorBrush(COLOR_WINDOW));
    return 1;
}
