#include "Check.h"
#include "RecordingWindow.h"
#include "TestApplication.h"

#include "winlib/HandleMap.h"

namespace {

bool QuitPosted(WPARAM* code) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    *code = message.wParam;
    return true;
}

} // namespace

WINLIB_CHECK(HeapWindowDeletesItselfOnceWhenItsWindowIsDestroyed) {
    RecordingWindow::destructions = 0;
    int mapped = HandleMap::Instance().Count();
    RecordingWindow* window = new RecordingWindow;
    CHECK(window->IsAutoDelete());
    CHECK(window->CreateHidden());
    HWND handle = window->Handle();
    CHECK(Window::FromHandle(handle) == window);
    CHECK(HandleMap::Instance().Count() == mapped + 1);
    DestroyWindow(handle);
    CHECK(RecordingWindow::destructions == 1);
    CHECK(Window::FromHandle(handle) == nullptr);
    CHECK(HandleMap::Instance().Count() == mapped);
}

WINLIB_CHECK(StackWindowIsDetachedAndNotDeleted) {
    RecordingWindow::destructions = 0;
    {
        RecordingWindow window;
        CHECK(!window.IsAutoDelete());
        CHECK(window.CreateHidden());
        HWND handle = window.Handle();
        DestroyWindow(handle);
        CHECK(RecordingWindow::destructions == 0);
        CHECK(window.IsDestroyed());
        CHECK(window.Handle() == nullptr);
        CHECK(Window::FromHandle(handle) == nullptr);
    }
    CHECK(RecordingWindow::destructions == 1);
}

WINLIB_CHECK(ObjectDestructorDestroysItsWindow) {
    HWND handle;
    {
        RecordingWindow window;
        CHECK(window.CreateHidden());
        handle = window.Handle();
    }
    CHECK(!IsWindow(handle));
    CHECK(Window::FromHandle(handle) == nullptr);
}

WINLIB_CHECK(EachMessageReachesItsOperation) {
    RecordingWindow window;
    CHECK(window.CreateHidden());
    HWND handle = window.Handle();
    // The hook attaches the object at the first message, which the object
    // therefore sees itself.
    CHECK(window.minMaxInfos >= 1);
    SendMessageA(handle, WM_COMMAND, MAKEWPARAM(321, 7), reinterpret_cast<LPARAM>(handle));
    CHECK(window.commandId == 321 && window.commandCode == 7 && window.commandControl == handle);
    SendMessageA(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80));
    CHECK(window.sizes >= 1 && window.lastSize == MAKELPARAM(120, 80));
    SendMessageA(handle, WM_CLOSE, 0, 0);
    CHECK(window.closes == 1 && IsWindow(handle));
    CHECK(SendMessageA(handle, WM_USER + 5, 9, 0) == 42);
    CHECK(window.lastMessage == WM_USER + 5 && window.lastWParam == 9);
    ShowWindow(handle, SW_SHOWNOACTIVATE);
    RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    CHECK(window.paints >= 1 && window.paintHadContext);
}

WINLIB_CHECK(DefaultCloseDestroysTheWindow) {
    RecordingWindow::destructions = 0;
    RecordingWindow* window = new RecordingWindow;
    CHECK(window->CreateHidden());
    HWND handle = window->Handle();
    window->passCloseOn = true;
    SendMessageA(handle, WM_CLOSE, 0, 0);
    CHECK(!IsWindow(handle));
    CHECK(RecordingWindow::destructions == 1);
}

WINLIB_CHECK(OnlyTheMainWindowObjectPostsQuit) {
    TestApplication& application = TestApplication::Get();
    WPARAM code = 99;
    while (QuitPosted(&code)) {
    }
    {
        RecordingWindow other;
        CHECK(other.CreateHidden());
    }
    CHECK(!QuitPosted(&code));
    RecordingWindow* main = new RecordingWindow;
    CHECK(main->CreateHidden());
    application.SetMainWindow(main);
    DestroyWindow(main->Handle());
    CHECK(QuitPosted(&code) && code == 0);
    // Messages still queued must not reach the deleted main window's filter.
    CHECK(application.MainWindow() == nullptr);
    MSG late = {nullptr, WM_USER, 0, 0, 0, {0, 0}};
    CHECK(!application.FilterMessage(&late));
}

WINLIB_CHECK(ForeignWindowKeepsItsOwnProcedureForDefaults) {
    Window window;
    CHECK(window.Create(0, "EDIT", "start", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr));
    HWND handle = window.Handle();
    WNDPROC saved = *window.SavedProcSlot();
    CHECK(saved != nullptr && saved != &Window::CommonWindowProc);
    CHECK(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle, GWLP_WNDPROC)) ==
          &Window::CommonWindowProc);
    SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("edited"));
    char text[16] = "";
    GetWindowTextA(handle, text, sizeof text);
    CHECK(lstrcmpA(text, "edited") == 0);
    CHECK(window.Detach() == handle);
    CHECK(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle, GWLP_WNDPROC)) == saved);
    DestroyWindow(handle);
}

WINLIB_CHECK(FiftyFirstWindowFailsSafely) {
    RecordingWindow::destructions = 0;
    int mapped = HandleMap::Instance().Count();
    const int room = HandleMap::Capacity - mapped;
    RecordingWindow* windows[HandleMap::Capacity] = {};
    HWND handles[HandleMap::Capacity] = {};
    for (int i = 0; i < room; ++i) {
        windows[i] = new RecordingWindow;
        CHECK(windows[i]->CreateHidden());
        handles[i] = windows[i]->Handle();
    }
    CHECK(HandleMap::Instance().IsFull());
    RecordingWindow* extra = new RecordingWindow;
    CHECK(!extra->CreateHidden());
    CHECK(extra->Handle() == nullptr);
    delete extra;
    for (int i = 0; i < room; ++i)
        CHECK(Window::FromHandle(handles[i]) == windows[i]);
    for (int i = 0; i < room; ++i)
        DestroyWindow(handles[i]);
    CHECK(RecordingWindow::destructions == room + 1);
    CHECK(HandleMap::Instance().Count() == mapped);
}
