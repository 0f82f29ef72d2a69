#pragma once

#include <windows.h>

// The hook procedure of the file and font common dialogs: it gives the
// dialog's object its initialisation, its font and the registered messages.
UINT_PTR CALLBACK CommonDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
