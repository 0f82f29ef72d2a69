#pragma once

#include <windows.h>

// One paint cycle of a window: BeginPaint when constructed, EndPaint when
// destroyed.
class PaintContext {
  public:
    explicit PaintContext(HWND window);
    ~PaintContext();
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;

    HDC Context() const { return context; }
    const PAINTSTRUCT& Paint() const { return paint; }
    HWND Window() const { return window; }

  private:
    HWND window;
    PAINTSTRUCT paint;
    HDC context;
};
