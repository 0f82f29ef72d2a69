#pragma once

#include <windows.h>

class Window;

// Attaching an object to its window at the window's first message. Only one
// creation can be pending at a time, on the window thread.
namespace CreationHook {

// Marks the object as the one being created and installs the thread's
// WH_CALLWNDPROC hook that attaches it.
bool Install(Window* pending);

// Removes the hook if it is still installed and forgets the pending object.
void Remove();

} // namespace CreationHook
