#pragma once

#include <windows.h>

#include "app/WindowPlacement.h"
#include "app/win32/WindowMessages.h"
#include "screen/BlinkState.h"
#include "screen/CellGeometry.h"
#include "screen/ColorSchemes.h"
#include "screen/DisplaySettings.h"
#include "screen/FixedLayout.h"
#include "screen/MouseSelection.h"
#include "screen/OutputHold.h"
#include "screen/RenderRuns.h"
#include "screen/ScreenBuffer.h"
#include "screen/ScrollBack.h"
#include "screen/ScrollBackControl.h"
#include "winlib/FrameWindow.h"

class Profile;

// The screen layer of the terminal window: it owns the screen buffer (and
// through it the scrollback store), shows it in the client area with GDI,
// keeps the fonts, the cell size and the colour scheme, lays the window out
// for a logical screen of fixed size or one that follows the window, and
// runs the scroll bars and scroll-back mode. The display settings are read
// from the settings file when the object is made and written back when it
// is destroyed.
class BufferWindow : public FrameWindow,
                     public ScreenView,
                     public virtual ScrollBackControl,
                     private RunSink {
  public:
    static constexpr UINT BlinkMilliseconds = 300;
    static constexpr int NoAttribute = 12345; // no attribute selected into drawDc
    static constexpr UINT SelectionTimerMs = 100;

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
    void UpdateFirstShownRow();
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
    // Sizes the window for 80 x 24 cells and makes that the logical size.
    void ResizeTo80x24();
    // Whether the logical size follows the window now: with SoftSize on,
    // and during the 80 x 24 resize whatever the setting, so that neither
    // its layout nor the size limits hold the window to the old size.
    int SizeFollowsWindow() const { return SoftSizeOn() || resizingTo80x24; }
    // The system metrics that the window's outer size is made of.
    static FrameMetrics SystemFrameMetrics();
    // The cell size and configured logical size that place the new window
    // at the logical screen's size.
    ScreenGeometry Geometry() const {
        return {cellWidth, cellHeight, screen.columns, screen.configuredLines};
    }

    // Scrolling. The vertical bar scrolls through history: leaving the
    // live screen enters scroll-back mode, reaching the bottom leaves it.
    void OnVScroll(int code, int thumb);
    void OnHScroll(int code, int thumb);
    int InScrollBack() override { return ScrollBackMode(); }
    void EnterScrollBack() override;
    void LeaveScrollBack() override;

    // Mouse selection, at client points.
    void StartSelection(int x, int y);
    void TrackSelection(int x, int y);
    void EndSelection(int x, int y);
    void ExtendSelection(int x, int y);
    void SelectWord(int x, int y);
    void LeftButtonUp(int x, int y);
    void TrackSelectionAtPointer(int ending);
    LRESULT HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);

    // What the layers above provide to geometry and scroll-back mode.
    // Whether the logical size follows the window.
    virtual int SoftSizeOn() const { return 0; }
    // The hold of received output, owned by the session: scroll-back mode
    // is one of its reasons.
    virtual OutputHold& Hold() = 0;
    int ScrollBackMode() { return Hold().ScrollBackMode(); }
    // The emulator's cursor cell, and moving its row when lines moved
    // between the screen and history.
    virtual void CursorCell(int& row, int& col) { row = col = 0; }
    virtual void SetCursorRow(int) {}
    // After the logical size changed: margins, tab stops and the size
    // item, then the size report to the host.
    virtual void ResetGeometry() { UpdateSizeItem(); }
    virtual void ReportSize() {}

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
    ScrollBackView scrollBack;
    MouseSelection selection;

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
    LayoutRequest Request() const;
    void FixedLayout();
    void SoftLayout();
    void ReturnToScrollBack(int below);
    void ShowViewMoved(int delta);
    int ThumbPosition(int bar, WPARAM wParam);
    SelectionPoint CellAt(int x, int y) const;
    void RedrawSelection(const SelectionRedraw& rows);

    RunMode runMode = RunMode::Normal;
    int layingOut = 0;
    int resizingTo80x24 = 0;
};
