#pragma once

#include <windows.h>

// The program's own window messages and window timers, all for the terminal
// window.

// The socket has an event (connect, data, room to send, close), posted by
// the connection it is given to; the value of the system's WM_COMMNOTIFY.
constexpr UINT UM_SOCKET = 68;
// A blinking run was drawn: start the blink timer.
constexpr UINT UM_STARTBLINK = WM_USER + 1;
// The host connection has ended.
constexpr UINT UM_DISCONNECTED = WM_USER + 2;
// The connection attempt has succeeded.
constexpr UINT UM_CONNECTED = WM_USER + 3;
// A menu closed in help mode; it arrives after the command that the menu
// posted, if any, and ends help mode.
constexpr UINT UM_ENDHELPMODE = WM_USER + 4;

// The window's timers, all answered by CommandWindow::Timer.
constexpr UINT_PTR SelectionTimerId = 2; // a drag outside the window scrolls
constexpr UINT_PTR BreakTimerId = 3;     // the end of a break signal
constexpr UINT_PTR BlinkTimerId = 4;     // the blink phase of blinking text
constexpr UINT_PTR PauseTimerId = 5;     // the end of a macro's pause
constexpr UINT_PTR LogFlushTimerId = 6;  // the log file's periodic flush
