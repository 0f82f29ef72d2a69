#include "Check.h"
#include "RecordingWindow.h"

#include "resources/resource.h"
#include "winlib/HandleMap.h"

namespace {

// Sets the keyboard state of the modifier keys for the thread, as
// TranslateAccelerator reads it.
void SetModifiers(bool control, bool shift, bool alt) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = control ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
}

int Translate(RecordingWindow& window, UINT message, WPARAM key, LPARAM flags) {
    window.commandId = -1;
    MSG keyMessage = {window.Handle(), message, key, flags, 0, {0, 0}};
    return window.PreFilter(&keyMessage) ? window.commandId : -1;
}

} // namespace

WINLIB_CHECK(CreateFrameLoadsItsMenuOrFails) {
    RecordingWindow window;
    RECT rectangle = {0, 0, 300, 200};
    CHECK(window.CreateFrame(nullptr, "menu", WS_OVERLAPPEDWINDOW, rectangle, nullptr, "LUMO32"));
    HMENU menu = GetMenu(window.Handle());
    CHECK(menu != nullptr && GetMenuItemCount(menu) == 5);
    char className[32] = "";
    GetClassNameA(window.Handle(), className, sizeof className);
    CHECK(lstrcmpA(className, "framewnd") == 0);
    RECT placed;
    GetWindowRect(window.Handle(), &placed);
    CHECK(placed.right - placed.left == 300 && placed.bottom - placed.top == 200);

    int mapped = HandleMap::Instance().Count();
    RecordingWindow missing;
    CHECK(!missing.CreateFrame(nullptr, "none", WS_OVERLAPPEDWINDOW, rectangle, nullptr,
                               "NOSUCHMENU"));
    CHECK(missing.Handle() == nullptr);
    CHECK(HandleMap::Instance().Count() == mapped);
}

WINLIB_CHECK(AcceleratorsTurnKeysIntoTheirCommands) {
    RecordingWindow window;
    CHECK(window.CreateHidden());
    CHECK(Translate(window, WM_KEYDOWN, VK_INSERT, 0x01520001) == -1);
    CHECK(window.UseAccelerators("LUMO32"));
    CHECK(!window.UseAccelerators("LUMO32"));
    SetModifiers(true, false, false);
    CHECK(Translate(window, WM_KEYDOWN, VK_INSERT, 0x01520001) == IDM_COPY);
    SetModifiers(false, true, false);
    CHECK(Translate(window, WM_KEYDOWN, VK_INSERT, 0x01520001) == IDM_PASTE);
    SetModifiers(false, false, true);
    CHECK(Translate(window, WM_SYSKEYDOWN, VK_RETURN, 0x201C0001) == IDM_REPEATMACRO);
    SetModifiers(false, false, false);
    CHECK(Translate(window, WM_KEYDOWN, VK_INSERT, 0x01520001) == -1);
    CHECK(Translate(window, WM_KEYDOWN, VK_RETURN, 0x001C0001) == -1);
}
