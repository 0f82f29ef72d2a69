#pragma once

#include <windows.h>

#include "app/CommandLine.h"
#include "winlib/Object.h"

class Window;

// The program's framework: the entry sequence, the message loop with its
// idle work, and message filtering. Exactly one application object exists; it
// registers itself when it is constructed.
class Application : public Object {
  public:
    Application();
    ~Application() override;

    static Application* Current();

    virtual bool StartFirstInstance();
    virtual bool StartInstance();
    virtual int Run();
    virtual bool PumpOneMessage();
    virtual bool IdleShouldStop();
    virtual bool FilterMessage(MSG* message);
    virtual bool DoIdleWork(int count);
    virtual int ExitCode();

    // The entry sequence: stores the entry values, forms the settings path
    // from the executable's name, splits the command line (in place) into
    // the argument table, registers the library's window classes for the
    // first instance, starts the program and runs the loop. Returns the
    // process's exit code (-1 when start-up failed).
    int Main(HINSTANCE instance, HINSTANCE previous, char* commandLine, int showCommand);

    HINSTANCE Instance() const { return instance; }
    const char* CommandLine() const { return commandLine; }
    int ShowCommand() const { return showCommand; }
    Window* MainWindow() const { return mainWindow; }
    void SetMainWindow(Window* window) { mainWindow = window; }

    const ArgumentTable& Arguments() const { return arguments; }

    char settingsPath[SettingsPathSize] = {};

  protected:
    HINSTANCE instance = nullptr;
    HINSTANCE previousInstance = nullptr;
    const char* commandLine = "";
    int showCommand = SW_SHOWNORMAL;
    Window* mainWindow = nullptr;
    MSG currentMessage = {};
    ArgumentTable arguments;
};
