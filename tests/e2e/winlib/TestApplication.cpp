#include "TestApplication.h"

TestApplication::TestApplication() {
    instance = GetModuleHandleA(nullptr);
}

TestApplication& TestApplication::Get() {
    static TestApplication application;
    return application;
}

bool TestApplication::DoIdleWork(int count) {
    if (idleCallCount < 8) idleCalls[idleCallCount] = count;
    ++idleCallCount;
    if (count < idleRounds) return true;
    // Out of work: wake the loop, so that the check never waits for input.
    PostThreadMessageA(GetCurrentThreadId(), WM_USER + 1, 0, 0);
    return false;
}
