// The terminal's fonts, cell size and colour scheme, and the dialogs that
// change them.
#include "app/win32/BufferWindow.h"

#include <algorithm>
#include <cstdio>

#include "screen/FontSizes.h"
#include "screen/win32/ColorSchemeDialog.h"
#include "screen/win32/TerminalFontDialog.h"

namespace {

// Vertical pixels per inch of the device context of the focus window (of
// the screen when nothing has the focus).
int FocusPixelsPerInch() {
    HWND focus = GetFocus();
    HDC dc = GetDC(focus);
    int pixelsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(focus, dc);
    return pixelsPerInch;
}

void CopyFace(char* to, const char* from) {
    std::snprintf(to, FontFaceSize, "%s", from);
}

SchemeColors SystemColors() {
    return {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_HIGHLIGHT),
            GetSysColor(COLOR_HIGHLIGHTTEXT)};
}

} // namespace

void BufferWindow::InitFontFromSettings() {
    logFont = LOGFONTA();
    logFont.lfHeight = FontHeightForPoints(fontSize, FocusPixelsPerInch());
    std::snprintf(logFont.lfFaceName, LF_FACESIZE, "%s", fontFace);
    logFont.lfCharSet = ANSI_CHARSET;
    logFont.lfQuality = DEFAULT_QUALITY;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfPitchAndFamily = FIXED_PITCH | FF_DONTCARE;
    CreateFonts(handle);
}

// Normal, bold, bold and underline, underline; the cell size and the
// realised size in points come from the normal font.
void BufferWindow::CreateFonts(HWND window) {
    DeleteFonts();
    HDC dc = GetDC(window);
    LOGFONTA variant = logFont;
    fonts[0] = CreateFontIndirectA(&variant);
    variant.lfWeight = FW_BOLD;
    fonts[1] = CreateFontIndirectA(&variant);
    variant.lfUnderline = 1;
    fonts[3] = CreateFontIndirectA(&variant);
    variant.lfWeight = FW_NORMAL;
    fonts[2] = CreateFontIndirectA(&variant);
    oldFont = static_cast<HFONT>(SelectObject(dc, fonts[0]));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    cellWidth = std::max<int>(1, metrics.tmAveCharWidth);
    cellHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    GetObjectA(fonts[0], sizeof logFont, &logFont);
    fontSize =
        PointsOfMetrics(metrics.tmHeight, metrics.tmInternalLeading, GetDeviceCaps(dc, LOGPIXELSY));
    SelectObject(dc, oldFont);
    ReleaseDC(window, dc);
}

void BufferWindow::DeleteFonts() {
    for (HFONT& font : fonts) {
        if (font) DeleteObject(font);
        font = nullptr;
    }
}

void BufferWindow::ApplyColorScheme() {
    colors = ColorsOfScheme(colorScheme, SystemColors());
    if (backBrush) DeleteObject(backBrush);
    backBrush = CreateSolidBrush(colors.back);
}

int BufferWindow::ChooseTerminalFont() {
    TerminalFontDialog dialog(&logFont, this);
    if (dialog.RunModal() != IDOK) return 0;
    CreateFonts(handle);
    CopyFace(fontFace, logFont.lfFaceName);
    fontSize = PointsOfFontHeight(logFont.lfHeight, FocusPixelsPerInch());
    return 1;
}

int BufferWindow::ChooseColorScheme() {
    ColorSchemeDialog dialog(colorScheme, this);
    if (dialog.RunModal() != IDOK) return 0;
    colorScheme = dialog.Scheme();
    return 1;
}

int BufferWindow::ChangeFont() {
    if (!ChooseTerminalFont()) return 0;
    RECT r;
    GetWindowRect(handle, &r);
    MoveWindow(handle, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    Layout();
    InvalidateRect(handle, nullptr, TRUE);
    UpdateWindow(handle);
    return 1;
}

int BufferWindow::ChangeColors() {
    if (!ChooseColorScheme()) return 0;
    ApplyColorScheme();
    InvalidateRect(handle, nullptr, TRUE);
    return 1;
}

// Scheme 0 follows the system's colours; the fixed schemes redraw the same.
void BufferWindow::SystemColorsChanged() {
    ApplyColorScheme();
    if (handle) InvalidateRect(handle, nullptr, TRUE);
}
