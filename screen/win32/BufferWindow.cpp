#include "screen/win32/BufferWindow.h"

#include <algorithm>
#include <cstring>

#include "app/Profile.h"

namespace {

// The fixed layout's view of a real window.
class WindowFrame : public LayoutFrame {
  public:
    explicit WindowFrame(HWND window) : window(window) {}

    void OuterSize(int& width, int& height) override {
        RECT r;
        GetWindowRect(window, &r);
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    void ClientSize(int& width, int& height) override {
        RECT r;
        GetClientRect(window, &r);
        width = r.right;
        height = r.bottom;
    }
    void ShowVerticalBar(int show) override {
        SetScrollRange(window, SB_VERT, 0, show ? 99 : 0, FALSE);
        if (show) SetScrollPos(window, SB_VERT, 99, TRUE);
    }
    void ShowHorizontalBar(int show, int hidden, int position) override {
        SetScrollRange(window, SB_HORZ, 0, show ? hidden : 0, FALSE);
        if (show) SetScrollPos(window, SB_HORZ, position, TRUE);
    }
    void ResizeFrame(int width, int height) override {
        SetWindowPos(window, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

  private:
    HWND window;
};

} // namespace

BufferWindow::BufferWindow(Profile& settings_) : logFont(), settings(settings_) {
    DisplaySettings display = ReadDisplaySettings(settings);
    screen.columns = display.columns;
    screen.lines = screen.configuredLines = screen.viewLines = display.lines;
    screen.SetView(this);
    std::strcpy(fontFace, display.fontFace);
    fontSize = display.fontSize;
    colorScheme = display.colorScheme;
    InitFontFromSettings();
    ApplyColorScheme();
}

BufferWindow::~BufferWindow() {
    DeleteFonts();
    DisplaySettings display;
    display.colorScheme = colorScheme;
    std::strcpy(display.fontFace, fontFace);
    display.fontSize = fontSize;
    display.lines = screen.configuredLines;
    display.columns = screen.columns;
    WriteDisplaySettings(settings, display);
    if (backBrush) DeleteObject(backBrush);
    screen.SetView(nullptr);
}

void BufferWindow::InvalidateCells(int rowTop, int rowEnd, int colStart, int colEnd) {
    if (!handle) return;
    PixelRect cells = CellsToClient(Offsets(), rowTop, rowEnd, colStart, colEnd);
    RECT r = {cells.left, cells.top, cells.right, cells.bottom};
    InvalidateRect(handle, &r, FALSE);
}

// The clip band spans the shown columns; the pixels that move are the band
// less the rows the scroll uncovers, which the system invalidates.
void BufferWindow::ScrollCells(int clipTop, int clipEnd, int count, int columns) {
    if (!handle || count == 0) return;
    BandScroll band = ScrollBand(Offsets(), clipTop, clipEnd, count, columns);
    RECT clip = {band.clip.left, band.clip.top, band.clip.right, band.clip.bottom};
    RECT moved = {band.moved.left, band.moved.top, band.moved.right, band.moved.bottom};
    ScrollWindowEx(handle, 0, band.dy, &moved, &clip, nullptr, nullptr, SW_INVALIDATE);
}

void BufferWindow::UpdateView() {
    if (handle) UpdateWindow(handle);
}

LRESULT BufferWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(handle, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, backBrush);
        return 1;
    }
    case WM_SYSCOLORCHANGE: SystemColorsChanged(); return 0;
    case UM_STARTBLINK: StartBlinking(); return 0;
    case WM_TIMER:
        if (wParam != BlinkTimerId) break;
        BlinkTick();
        return 0;
    default: break;
    }
    return FrameWindow::HandleMessage(message, wParam, lParam);
}

void BufferWindow::Layout() {
    if (layingOut || !handle) return;
    layingOut = 1;
    WindowFrame frame(handle);
    LayoutRequest request = {cellWidth,    cellHeight,        screen.columns,
                             screen.lines, verticalScrollBar, hScroll};
    int resized = RunFixedLayout(layout, request, frame);
    screen.viewLines = layout.viewLines;
    firstShownRow = FirstShownRow(screen.lines, layout.viewLines * cellHeight, cellHeight);
    if (resized) UpdateSizeItem();
    layingOut = 0;
}

void BufferWindow::InitScrollBars() {
    if (!handle || !verticalScrollBar) return;
    int top = std::max(screen.store.LineCount(), 1);
    SetScrollRange(handle, SB_VERT, 0, top, FALSE);
    SetScrollPos(handle, SB_VERT, top, TRUE);
}
