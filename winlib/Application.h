#pragma once

#include <windows.h>

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
    // The program's own reading of its path and command line; nothing here.
    virtual void TakeCommandLine(const char* programPath, char* commandLine);

    // The entry sequence: stores the entry values, hands the executable's
    // path and the command line (which it may split in place) to
    // TakeCommandLine, registers the library's window classes for the first
    // instance, starts the program and runs the loop. Returns the process's
    // exit code (-1 when start-up failed).
    int Main(HINSTANCE instance, HINSTANCE previous, char* commandLine, int showCommand);

    HINSTANCE Instance() const { return instance; }
    const char* CommandLine() const { return commandLine; }
    int ShowCommand() const { return showCommand; }
    Window* MainWindow() const { return mainWindow; }
    void SetMainWindow(Window* window) { mainWindow = window; }

  protected:
    HINSTANCE instance = nullptr;
    HINSTANCE previousInstance = nullptr;
    const char* commandLine = "";
    int showCommand = SW_SHOWNORMAL;
    Window* mainWindow = nullptr;
    MSG currentMessage = {};
};
