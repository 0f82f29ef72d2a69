#include "app/win32/BufferWindow.h"

#include <cstring>

#include "settings/Profile.h"

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

// The message carries the thumb in 16 bits; a history of more lines than
// that needs the bar's own 32-bit tracking position. Only then: under
// Wine 8 the tracking position that SB_THUMBPOSITION finds is the bar's old
// position, so a drag would not move the view.
int BufferWindow::ThumbPosition(int bar, WPARAM wParam) {
    int rangeMin = 0, rangeMax = 0;
    GetScrollRange(handle, bar, &rangeMin, &rangeMax);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    if (LOWORD(wParam) == SB_THUMBPOSITION && rangeMax > 0xFFFF &&
        GetScrollInfo(handle, bar, &info))
        return info.nTrackPos;
    return HIWORD(wParam);
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
    case WM_VSCROLL: OnVScroll(LOWORD(wParam), ThumbPosition(SB_VERT, wParam)); return 0;
    case WM_HSCROLL: OnHScroll(LOWORD(wParam), ThumbPosition(SB_HORZ, wParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_CAPTURECHANGED: return HandleMouse(message, wParam, lParam);
    default: break;
    }
    return FrameWindow::HandleMessage(message, wParam, lParam);
}
