#include "winlib/Application.h"

#include "winlib/LibraryClasses.h"
#include "winlib/Window.h"

namespace {
Application* current;
} // namespace

Application::Application() {
    current = this;
}

Application::~Application() {
    if (current == this) current = nullptr;
}

Application* Application::Current() {
    return current;
}

bool Application::StartFirstInstance() {
    return true;
}

bool Application::StartInstance() {
    return true;
}

int Application::Run() {
    while (PumpOneMessage()) {
    }
    return ExitCode();
}

bool Application::PumpOneMessage() {
    for (int count = 0; !PeekMessageA(&currentMessage, nullptr, 0, 0, PM_NOREMOVE); ++count) {
        if (!DoIdleWork(count)) break;
        if (IdleShouldStop()) return true;
    }
    if (GetMessageA(&currentMessage, nullptr, 0, 0) <= 0) return false;
    if (!FilterMessage(&currentMessage)) {
        TranslateMessage(&currentMessage);
        DispatchMessageA(&currentMessage);
    }
    return true;
}

bool Application::IdleShouldStop() {
    return false;
}

// The window the message is for and its parents, up to the main window, may
// each consume it; the main window always gets a chance.
bool Application::FilterMessage(MSG* message) {
    for (HWND window = message->hwnd; window; window = GetParent(window)) {
        Window* object = Window::FromHandle(window);
        if (!object) continue;
        if (object->PreFilter(message)) return true;
        if (object == mainWindow) return false;
    }
    return mainWindow && mainWindow->PreFilter(message);
}

bool Application::DoIdleWork(int) {
    return false;
}

void Application::TakeCommandLine(const char*, char*) {}

int Application::ExitCode() {
    return static_cast<int>(currentMessage.wParam);
}

int Application::Main(HINSTANCE instance_, HINSTANCE previous, char* commandLine_,
                      int showCommand_) {
    instance = instance_;
    previousInstance = previous;
    commandLine = commandLine_ ? commandLine_ : "";
    showCommand = showCommand_;
    char programPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, programPath, MAX_PATH);
    char empty[1] = "";
    TakeCommandLine(programPath, commandLine_ ? commandLine_ : empty);
    if (!previousInstance) {
        if (!RegisterLibraryClasses(instance)) return -1;
        if (!StartFirstInstance()) return -1;
    }
    if (!StartInstance()) return -1;
    return Run();
}
