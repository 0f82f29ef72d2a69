#include "winlib/PaintContext.h"

PaintContext::PaintContext(HWND window_) : window(window_), paint() {
    context = BeginPaint(window, &paint);
}

PaintContext::~PaintContext() {
    EndPaint(window, &paint);
}
