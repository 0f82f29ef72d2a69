// Selecting text with the left mouse button: press and drag, Shift-click,
// double-click; the view scrolls every 100 ms while a drag holds the
// pointer outside the window. Received data waits during a drag, as the
// window is in scroll-back mode for it.
#include "app/win32/BufferWindow.h"

namespace {

int IsWordChar(unsigned char ch) {
    return IsCharAlphaNumericA(static_cast<CHAR>(ch));
}

// The counted text of an absolute line, read from the store whose cursor
// stands at the view's top; the cursor is left where it was.
void ReadLineAt(ScreenBuffer& screen, int line, unsigned char* text) {
    ScrollbackStore& store = screen.store;
    StorePosition at = store.Tell();
    for (int from = screen.viewTop; from < line && store.SkipForward(); ++from) {
    }
    for (int from = screen.viewTop; from > line && store.SkipBack(); --from) {
    }
    text[0] = 0;
    store.ReadNextLine(text);
    store.Seek(at);
}

} // namespace

SelectionPoint BufferWindow::CellAt(int x, int y) const {
    return PointToCell(Offsets(), screen.viewTop, screen.lines, x, y);
}

void BufferWindow::RedrawSelection(const SelectionRedraw& rows) {
    if (rows.r1 <= rows.r2) RedrawRows(rows.r1, rows.r2, rows.c1, rows.c2);
}

void BufferWindow::StartSelection(int x, int y) {
    UnhighlightSelection();
    selection.wasInScrollBack = ScrollBackMode();
    SetCapture(handle);
    if (selection.Start(screen, CellAt(x, y)) == TimerChange::Stop)
        KillTimer(handle, SelectionTimerId);
    if (!ScrollBackMode()) EnterScrollBack();
}

// While dragging, a point outside the client area scrolls the view a line
// towards it and is taken at the edge.
void BufferWindow::TrackSelection(int x, int y) {
    if (selection.dragging) {
        RECT client;
        GetClientRect(handle, &client);
        DragPoint p = ClampDragPoint(x, y, client.right, client.bottom);
        if (p.vertical)
            SendMessageA(handle, WM_VSCROLL, p.vertical < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        if (p.horizontal)
            SendMessageA(handle, WM_HSCROLL, p.horizontal < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        TimerChange change = selection.AutoScroll(p.vertical || p.horizontal);
        if (change == TimerChange::Start)
            SetTimer(handle, SelectionTimerId, SelectionTimerMs, nullptr);
        if (change == TimerChange::Stop) KillTimer(handle, SelectionTimerId);
        x = p.x;
        y = p.y;
    }
    RedrawSelection(selection.Track(screen, CellAt(x, y)));
}

// The drag ends before the capture goes, so that the capture's loss is
// not taken for an interrupted drag.
void BufferWindow::EndSelection(int x, int y) {
    TrackSelection(x, y);
    selection.dragging = 0;
    if (selection.autoScrollOn) KillTimer(handle, SelectionTimerId);
    selection.autoScrollOn = 0;
    ReleaseCapture();
    if (!selection.wasInScrollBack) LeaveScrollBack();
}

void BufferWindow::ExtendSelection(int x, int y) {
    if (selection.dragging) return;
    selection.wasInScrollBack = ScrollBackMode();
    if (!ScrollBackMode()) EnterScrollBack();
    TrackSelection(x, y);
    if (!selection.wasInScrollBack) LeaveScrollBack();
}

void BufferWindow::SelectWord(int x, int y) {
    UnhighlightSelection();
    selection.wasInScrollBack = ScrollBackMode();
    SelectionPoint at = CellAt(x, y);
    unsigned char text[CountedLineSize];
    if (!ScrollBackMode()) EnterScrollBack();
    ReadLineAt(screen, at.line, text);
    if (!selection.wasInScrollBack) LeaveScrollBack();
    RedrawSelection(selection.SelectWord(screen, at, text, IsWordChar));
}

void BufferWindow::LeftButtonUp(int x, int y) {
    if (selection.ButtonUp()) EndSelection(x, y);
}

// The pointer where it stands now, for the auto-scroll timer and for a
// drag whose capture another window took.
void BufferWindow::TrackSelectionAtPointer(int ending) {
    if (!selection.dragging) return;
    POINT at;
    GetCursorPos(&at);
    ScreenToClient(handle, &at);
    if (ending)
        EndSelection(at.x, at.y);
    else
        TrackSelection(at.x, at.y);
}

LRESULT BufferWindow::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    int x = static_cast<short>(LOWORD(lParam));
    int y = static_cast<short>(HIWORD(lParam));
    switch (message) {
    case WM_LBUTTONDOWN:
        if (wParam & MK_SHIFT)
            ExtendSelection(x, y);
        else
            StartSelection(x, y);
        return 0;
    case WM_MOUSEMOVE:
        if (selection.dragging) TrackSelection(x, y);
        return 0;
    case WM_LBUTTONUP: LeftButtonUp(x, y); return 0;
    case WM_LBUTTONDBLCLK: SelectWord(x, y); return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != handle) TrackSelectionAtPointer(1);
        return 0;
    default: return 0;
    }
}
