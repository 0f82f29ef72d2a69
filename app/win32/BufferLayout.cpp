// Laying the terminal window out for its logical screen: the fixed layout,
// the SoftSize layout, and the 80 x 24 resize.
#include "app/win32/BufferWindow.h"

#include <algorithm>

#include "screen/SizeItem.h"
#include "screen/SoftLayout.h"

namespace {

// The layouts' view of a real window.
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
        SetScrollRange(window, SB_VERT, 0, show ? LiveBarMax : 0, FALSE);
        if (show) SetScrollPos(window, SB_VERT, LiveBarMax, TRUE);
    }
    void ShowHorizontalBar(int show, int hidden, int position) override {
        SetScrollRange(window, SB_HORZ, 0, show ? hidden : 0, !show);
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

// A layout in scroll-back mode leaves it around itself and comes back
// with the same line at the bottom of the view.
void BufferWindow::Layout() {
    if (layingOut || !handle) return;
    layingOut = 1;
    int below = -1;
    if (ScrollBackMode()) {
        below = screen.viewTop + screen.lines;
        LeaveScrollBack();
    }
    if (SizeFollowsWindow())
        SoftLayout();
    else
        FixedLayout();
    if (below >= 0) ReturnToScrollBack(below);
    layingOut = 0;
}

LayoutRequest BufferWindow::Request() const {
    return {cellWidth, cellHeight, screen.columns, screen.lines, verticalScrollBar, hScroll};
}

void BufferWindow::FixedLayout() {
    WindowFrame frame(handle);
    int resized = RunFixedLayout(layout, Request(), frame);
    hScroll = std::min(hScroll, layout.hiddenColumns);
    screen.viewLines = layout.viewLines;
    firstShownRow = FirstShownRow(screen.lines, layout.viewLines * cellHeight, cellHeight);
    if (resized) UpdateSizeItem();
}

// The rows moved through the buffer's scrolls; those are flushed at once
// and the whole client area is drawn again for the new size.
void BufferWindow::SoftLayout() {
    WindowFrame frame(handle);
    int row = 0, col = 0;
    CursorCell(row, col);
    SoftLayoutResult result = RunSoftLayout(layout, Request(), frame, screen, row);
    SetCursorRow(result.lines.cursorRow);
    hScroll = 0;
    firstShownRow = 0;
    screen.FlushChanges();
    InvalidateRect(handle, nullptr, TRUE);
    ResetGeometry();
    ReportSize();
}

void BufferWindow::ReturnToScrollBack(int below) {
    EnterScrollBack();
    int top = std::max(0, below - screen.viewLines);
    if (verticalScrollBar) {
        SetScrollRange(handle, SB_VERT, 0, screen.store.LineCount() - screen.viewLines, FALSE);
        SetScrollPos(handle, SB_VERT, top, TRUE);
    }
    OnVScroll(ScrollCode::ThumbPosition, top);
}

void BufferWindow::InitScrollBars() {
    if (!handle || !verticalScrollBar) return;
    int top = std::max(screen.store.LineCount(), 1);
    SetScrollRange(handle, SB_VERT, 0, top, FALSE);
    SetScrollPos(handle, SB_VERT, top, TRUE);
}

// The size message that the move sends runs the SoftSize layout whatever
// the setting, so the logical size becomes 80 x 24.
void BufferWindow::ResizeTo80x24() {
    if (!handle) return;
    FrameSize size = Size80x24(SystemFrameMetrics(), cellWidth, cellHeight, verticalScrollBar);
    RECT r;
    GetWindowRect(handle, &r);
    layout.frameWidth = layout.frameHeight = -1;
    resizingTo80x24 = 1;
    MoveWindow(handle, r.left, r.top, size.width, size.height, TRUE);
    resizingTo80x24 = 0;
}

FrameMetrics BufferWindow::SystemFrameMetrics() {
    FrameMetrics m;
    m.cxFrame = GetSystemMetrics(SM_CXFRAME);
    m.cyFrame = GetSystemMetrics(SM_CYFRAME);
    m.cxVScroll = GetSystemMetrics(SM_CXVSCROLL);
    m.cyHScroll = GetSystemMetrics(SM_CYHSCROLL);
    m.cyMenu = GetSystemMetrics(SM_CYMENU);
    m.cyCaption = GetSystemMetrics(SM_CYCAPTION);
    return m;
}
