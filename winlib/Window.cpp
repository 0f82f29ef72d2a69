#include "winlib/Window.h"

#include <new>

#include "winlib/Application.h"
#include "winlib/CreationHook.h"
#include "winlib/HandleMap.h"

namespace {
// The address the library's allocation routine returned last, until the
// constructor of the object placed there has seen it.
void* allocationRecord;
} // namespace

void* Window::operator new(std::size_t size) noexcept {
    void* block = ::operator new(size, std::nothrow);
    allocationRecord = block;
    return block;
}

void Window::operator delete(void* block) noexcept {
    ::operator delete(block);
}

Window::Window()
    : autoDelete(allocationRecord == this), destroyed(false), handle(nullptr), savedProc(nullptr) {
    allocationRecord = nullptr;
}

Window::~Window() {
    if (handle) {
        HWND window = Detach();
        if (!destroyed) DestroyWindow(window);
        destroyed = true;
    }
    // The main window's end ends the program. The application forgets the
    // object, so that messages still queued never reach a deleted window.
    Application* application = Application::Current();
    if (application && application->MainWindow() == this) {
        application->SetMainWindow(nullptr);
        PostQuitMessage(0);
    }
}

LRESULT Window::HandleCommand(int id, HWND control, int notifyCode) {
    return Default(WM_COMMAND, MAKEWPARAM(id, notifyCode), reinterpret_cast<LPARAM>(control));
}

LRESULT Window::HandleClose() {
    return Default(WM_CLOSE, 0, 0);
}

LRESULT Window::HandlePaint() {
    return Default(WM_PAINT, 0, 0);
}

LRESULT Window::HandleSize(WPARAM type, LPARAM packedSize) {
    return Default(WM_SIZE, type, packedSize);
}

LRESULT Window::HandleMinMaxInfo(MINMAXINFO* info) {
    return Default(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(info));
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

void Window::Destroy() {
    if (handle) DestroyWindow(handle);
}

WNDPROC* Window::SavedProcSlot() {
    return &savedProc;
}

bool Window::PreFilter(MSG*) {
    return false;
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallSavedProc(message, wParam, lParam);
}

LRESULT Window::CallSavedProc(UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC saved = *SavedProcSlot();
    if (saved) return CallWindowProcA(saved, handle, message, wParam, lParam);
    return DefWindowProcA(handle, message, wParam, lParam);
}

bool Window::Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menu) {
    // A window that could not be registered would never reach its object.
    if (HandleMap::Instance().IsFull()) return false;
    CreationHook::Install(this);
    Application* application = Application::Current();
    HINSTANCE instance = application ? application->Instance() : GetModuleHandleA(nullptr);
    HWND created = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                   menu, instance, nullptr);
    CreationHook::Remove();
    return created != nullptr;
}

bool Window::Attach(HWND window) {
    if (!window) return false;
    if (!HandleMap::Instance().Insert(window, this)) return false;
    handle = window;
    return true;
}

HWND Window::Detach() {
    if (!handle) return nullptr;
    HWND old = handle;
    HandleMap::Instance().Remove(old);
    handle = nullptr;
    WNDPROC saved = *SavedProcSlot();
    if (saved) SetWindowLongPtrA(old, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
    return old;
}

Window* Window::FromHandle(HWND window) {
    HandleMap& map = HandleMap::Instance();
    int index = map.Find(window);
    return index < 0 ? nullptr : map.ObjectAt(index);
}
