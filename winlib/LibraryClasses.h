#pragma once

#include <windows.h>

// Registers the library's window classes "childwnd" and "framewnd"; false if
// either cannot be registered.
bool RegisterLibraryClasses(HINSTANCE instance);
