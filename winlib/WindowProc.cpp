#include "winlib/Window.h"

// Six messages go to their own operations; every other one to HandleMessage.
LRESULT CALLBACK Window::CommonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* object = FromHandle(window);
    if (!object) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_DESTROY: return object->HandleDestroy();
    case WM_SIZE: return object->HandleSize(wParam, lParam);
    case WM_PAINT: return object->HandlePaint();
    case WM_CLOSE: return object->HandleClose();
    case WM_GETMINMAXINFO: return object->HandleMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_COMMAND:
        return object->HandleCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam),
                                     HIWORD(wParam));
    default: return object->HandleMessage(message, wParam, lParam);
    }
}

// A window of a system class (a common dialog) finishes its own work on
// WM_DESTROY, such as handing back the user's choice, so its previous
// procedure sees the message before the object lets go of the window.
LRESULT Window::HandleDestroy() {
    destroyed = true;
    if (savedProc) CallSavedProc(WM_DESTROY, 0, 0);
    if (autoDelete)
        delete this;
    else
        Detach();
    return 0;
}
