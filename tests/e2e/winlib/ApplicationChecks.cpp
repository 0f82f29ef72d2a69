#include "Check.h"
#include "RecordingWindow.h"
#include "TestApplication.h"

#include "resources/resource.h"

namespace {

void DrainQueue() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

void SetControlKey(bool down) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = down ? 0x80 : 0;
    state[VK_SHIFT] = 0;
    state[VK_MENU] = 0;
    SetKeyboardState(state);
}

} // namespace

WINLIB_CHECK(IdleWorkRepeatsWhileItReportsMoreThenTheLoopWaits) {
    TestApplication& application = TestApplication::Get();
    DrainQueue();
    application.idleRounds = 2;
    application.idleCallCount = 0;
    CHECK(application.PumpOneMessage());
    CHECK(application.idleCallCount == 3);
    CHECK(application.idleCalls[0] == 0 && application.idleCalls[1] == 1 &&
          application.idleCalls[2] == 2);
}

WINLIB_CHECK(IdleWorkWaitsWhileMessagesAreQueued) {
    TestApplication& application = TestApplication::Get();
    DrainQueue();
    application.idleRounds = 5;
    application.idleCallCount = 0;
    PostThreadMessageA(GetCurrentThreadId(), WM_USER + 2, 0, 0);
    CHECK(application.PumpOneMessage());
    CHECK(application.idleCallCount == 0);
}

WINLIB_CHECK(QuitMessageEndsTheLoopWithItsCode) {
    TestApplication& application = TestApplication::Get();
    DrainQueue();
    application.idleRounds = 0;
    PostQuitMessage(7);
    CHECK(application.Run() == 7);
    CHECK(application.ExitCode() == 7);
}

WINLIB_CHECK(FilterOffersKeysToTheWindowThenItsParentsUpToTheMainWindow) {
    TestApplication& application = TestApplication::Get();
    RecordingWindow main;
    CHECK(main.CreateHidden());
    CHECK(main.UseAccelerators("LUMO32"));
    application.SetMainWindow(&main);

    Window child;
    CHECK(child.Create(0, "childwnd", "", WS_CHILD, 0, 0, 10, 10, main.Handle(), nullptr));
    SetControlKey(true);
    MSG key = {child.Handle(), WM_KEYDOWN, VK_INSERT, 0x01520001, 0, {0, 0}};
    CHECK(application.FilterMessage(&key));
    CHECK(main.commandId == IDM_COPY);

    // A window without an object, outside the main window, still reaches the
    // main window's accelerators.
    HWND loose = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 application.Instance(), nullptr);
    main.commandId = -1;
    key.hwnd = loose;
    CHECK(application.FilterMessage(&key));
    CHECK(main.commandId == IDM_COPY);

    SetControlKey(false);
    main.commandId = -1;
    key.hwnd = child.Handle();
    CHECK(!application.FilterMessage(&key));
    CHECK(main.commandId == -1);

    application.SetMainWindow(nullptr);
    DestroyWindow(loose);
    child.Destroy();
}
