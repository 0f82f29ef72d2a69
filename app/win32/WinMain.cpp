#include "app/win32/TelnetApplication.h"

// The one application object, constructed before the entry point runs.
static TelnetApplication application;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
    return application.Main(instance, previous, commandLine, showCommand);
}
