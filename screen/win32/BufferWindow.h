#pragma once

#include <windows.h>

#include "app/DisplaySettings.h"
#include "app/WindowPlacement.h"
#include "screen/BlinkState.h"
#include "screen/CellGeometry.h"
#include "screen/ColorSchemes.h"
#include "screen/FixedLayout.h"
#include "screen/RenderRuns.h"
#include "screen/ScreenBuffer.h"
#include "winlib/FrameWindow.h"

class Profile;

// The screen layer of the terminal window: it owns the screen buffer (and
// through it the scrollback store), shows it in the client area with GDI,
// keeps the fonts, the cell size and the colour scheme, and lays the window
// out for a logical screen of fixed size. The display settings are read
// from the settings file when the object is made and written back when it
// is destroyed.
class BufferWindow : public FrameWindow, public ScreenView, private RunSink {
  public:
    static constexpr UINT UM_STARTBLINK = WM_USER + 1; // a blinking run was drawn
    static constexpr UINT_PTR BlinkTimerId = 4;
    static constexpr UINT BlinkMilliseconds = 300;
    static constexpr int NoAttribute = 12345; // no attribute selected into drawDc

    explicit BufferWindow(Profile& settings);
    ~BufferWindow() override;

    // Screen buffer to window: cells become client pixels through the
    // horizontal offset, the first shown row and the cell size. Lines that
    // go into history reach LogLine, which the logging layer overrides.
    void InvalidateCells(int rowTop, int rowEnd, int colStart, int colEnd) override;
    void ScrollCells(int clipTop, int clipEnd, int count, int columns) override;
    void UpdateView() override;

    void Paint(PaintContext& context) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Drawing. Outside a paint message, drawing runs between BeginDraw
    // (false when there is no window yet) and EndDraw, with the caret hidden.
    void SetupDc();
    bool BeginDraw();
    void EndDraw();
    void DrawRows(int r1, int r2, int c1, int c2);
    void RedrawRows(int r1, int r2, int c1, int c2);
    void PaintUpdate(PaintContext& context);
    void UnhighlightSelection();
    // Draws the blinking runs in a phase and stops the blink timer when
    // there are none; returns how many were drawn.
    int DrawBlinkPhase(int hidden);
    // Blinking text hidden in the current phase is drawn shown again.
    void RevealBlinkingText();
    void RedrawAttributeCells();
    void ScrollViewOneLine(int delta);
    void StartBlinking();
    void BlinkTick();

    // Fonts and colours.
    void InitFontFromSettings();
    void CreateFonts(HWND window);
    void ApplyColorScheme();
    int ChooseTerminalFont();
    int ChooseColorScheme();
    // The Font and Colors commands: run the dialog and, when something was
    // chosen, lay out and repaint. 1 when something changed.
    virtual int ChangeFont();
    int ChangeColors();
    void SystemColorsChanged();

    // Geometry. Layout lays the window out for its logical screen; the
    // vertical bar gets its first range when the window has been created.
    virtual void Layout();
    virtual void UpdateSizeItem() {}
    void InitScrollBars();
    // The cell size and configured logical size that place the new window
    // at the logical screen's size.
    ScreenGeometry Geometry() const {
        return {cellWidth, cellHeight, screen.columns, screen.configuredLines};
    }

    ScreenBuffer screen;

    LOGFONTA logFont;
    HFONT fonts[4] = {};
    HFONT oldFont = nullptr;
    char fontFace[FontFaceSize];
    int fontSize;
    int colorScheme;
    int cellWidth = 1;
    int cellHeight = 1;
    SchemeColors colors = {};
    HBRUSH backBrush = nullptr;

    int hScroll = 0;
    int firstShownRow = 0;
    HDC drawDc = nullptr;
    int dcAttr = 1234;
    INT advances[LineWidth] = {};
    int advancesFor = 0;
    BlinkState blink;

    LayoutState layout;
    int verticalScrollBar = 1;
    int scrollBackMode = 0;

  protected:
    // The cell size and offsets that turn cells into client pixels.
    CellOffsets Offsets() const { return {cellWidth, cellHeight, hScroll, firstShownRow}; }

    Profile& settings;

  private:
    // How DrawRun treats the runs it gets.
    enum class RunMode { Normal, BlinkShown, BlinkHidden };

    void DrawRun(const Run& run) override;
    void ApplyAttribute(int attr);
    void DeleteFonts();

    RunMode runMode = RunMode::Normal;
    int layingOut = 0;
};
