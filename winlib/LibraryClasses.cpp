#include "winlib/LibraryClasses.h"

#include "winlib/Window.h"

namespace {

bool RegisterLibraryClass(HINSTANCE instance, const char* name, HICON icon, HBRUSH background) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = &Window::CommonWindowProc;
    windowClass.cbWndExtra = 4;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

} // namespace

bool RegisterLibraryClasses(HINSTANCE instance) {
    HICON applicationIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    HBRUSH windowColour = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    return RegisterLibraryClass(instance, "childwnd", nullptr, nullptr) &&
           RegisterLibraryClass(instance, "framewnd", applicationIcon, windowColour);
}
