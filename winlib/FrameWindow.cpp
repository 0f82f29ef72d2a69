#include "winlib/FrameWindow.h"

#include "winlib/Application.h"
#include "winlib/PaintContext.h"

namespace {
HINSTANCE ResourceInstance() {
    Application* application = Application::Current();
    return application ? application->Instance() : GetModuleHandleA(nullptr);
}
} // namespace

FrameWindow::~FrameWindow() {
    if (accelerators) FreeResource(reinterpret_cast<HGLOBAL>(accelerators));
}

LRESULT FrameWindow::HandlePaint() {
    PaintContext context(handle);
    Paint(context);
    return 0;
}

bool FrameWindow::PreFilter(MSG* message) {
    return accelerators && TranslateAcceleratorA(handle, accelerators, message);
}

void FrameWindow::Paint(PaintContext&) {}

bool FrameWindow::CreateFrame(const char* className, const char* title, DWORD style,
                              const RECT& rectangle, Window* parent, const char* menuName) {
    HMENU menu = nullptr;
    if (menuName) {
        menu = LoadMenuA(ResourceInstance(), menuName);
        if (!menu) return false;
    }
    bool created =
        Create(0, className ? className : "framewnd", title, style, rectangle.left, rectangle.top,
               rectangle.right - rectangle.left, rectangle.bottom - rectangle.top,
               parent ? parent->Handle() : nullptr, menu);
    if (!created && menu) DestroyMenu(menu);
    return created;
}

bool FrameWindow::UseAccelerators(const char* tableName) {
    if (accelerators || !tableName) return false;
    accelerators = LoadAcceleratorsA(ResourceInstance(), tableName);
    return accelerators != nullptr;
}
