#include "winlib/CreationHook.h"

#include "winlib/Window.h"

namespace {

HHOOK hook;
Window* pending;

// The first WM_GETMINMAXINFO or WM_NCCREATE on the thread belongs to the
// window being created: attach the object there and put the common window
// procedure in place, keeping the one it replaces for default processing.
LRESULT CALLBACK CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code < 0) return CallNextHookEx(hook, code, wParam, lParam);
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message != WM_GETMINMAXINFO && call->message != WM_NCCREATE) return 0;
    Window* object = pending;
    CreationHook::Remove();
    if (!object || !object->Attach(call->hwnd)) return 0;
    WNDPROC common = &Window::CommonWindowProc;
    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(call->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(common)));
    if (previous != common) *object->SavedProcSlot() = previous;
    return 0;
}

} // namespace

bool CreationHook::Install(Window* object) {
    Remove();
    pending = object;
    hook = SetWindowsHookExA(WH_CALLWNDPROC, CallWndProcHook, nullptr, GetCurrentThreadId());
    if (!hook) pending = nullptr;
    return hook != nullptr;
}

void CreationHook::Remove() {
    if (hook) UnhookWindowsHookEx(hook);
    hook = nullptr;
    pending = nullptr;
}
