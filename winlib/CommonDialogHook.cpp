#include "winlib/CommonDialogHook.h"

#include "winlib/Dialog.h"

UINT_PTR CALLBACK CommonDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG && message != WM_SETFONT && message < 0xC000) return 0;
    Dialog* object = static_cast<Dialog*>(Window::FromHandle(dialog));
    if (!object) return 0;
    switch (message) {
    case WM_INITDIALOG: return object->HandleInitDialog();
    case WM_SETFONT: object->HandleSetFont(reinterpret_cast<HFONT>(wParam)); return 0;
    default: return object->HandleRegisteredMessage(message, wParam, lParam);
    }
}
