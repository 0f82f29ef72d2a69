#pragma once

#include <cstddef>
#include <windows.h>

#include "winlib/Object.h"

// A window object: each message of its window arrives at one of its virtual
// operations through the common window procedure. An object made with
// `new` deletes itself when its window is destroyed; any other object is only
// detached from its window.
class Window : public Object {
  public:
    Window();
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The library's allocation routine: it records the address it returns so
    // that the constructor can tell heap objects (which delete themselves)
    // from objects on the stack or inside other objects.
    static void* operator new(std::size_t size) noexcept;
    static void operator delete(void* block) noexcept;

    virtual LRESULT HandleCommand(int id, HWND control, int notifyCode);
    virtual LRESULT HandleClose();
    virtual LRESULT HandlePaint();
    virtual LRESULT HandleSize(WPARAM type, LPARAM packedSize);
    virtual LRESULT HandleMinMaxInfo(MINMAXINFO* info);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void Destroy();
    virtual WNDPROC* SavedProcSlot();
    virtual bool PreFilter(MSG* message);
    virtual LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT CallSavedProc(UINT message, WPARAM wParam, LPARAM lParam);

    bool Create(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU menu);
    bool Attach(HWND window);
    HWND Detach();
    static Window* FromHandle(HWND window);

    HWND Handle() const { return handle; }
    bool IsDestroyed() const { return destroyed; }
    bool IsAutoDelete() const { return autoDelete; }

    // The procedure of the library's window classes and of every attached
    // window.
    static LRESULT CALLBACK CommonWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

  protected:
    bool autoDelete;
    bool destroyed;
    HWND handle;

  private:
    LRESULT HandleDestroy();

    // The procedure the window had before it was attached; default
    // processing goes there. Kept per window, so that windows of different
    // classes never share a default procedure.
    WNDPROC savedProc;
};
