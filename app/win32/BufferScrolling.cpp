// Scroll-back mode and the scroll bars of the terminal window.
#include "app/win32/BufferWindow.h"

#include <cstdlib>

void BufferWindow::EnterScrollBack() {
    if (ScrollBackMode() || !handle) return;
    RevealBlinkingText();
    HideCaret(handle);
    scrollBack.Enter(screen);
    UpdateFirstShownRow();
    Hold().EnterScrollBack();
    if (verticalScrollBar)
        SetScrollRange(handle, SB_VERT, 0,
                       ScrollBackBarMax(screen.store.LineCount(), screen.viewLines), FALSE);
}

// At the bottom the view showed the live screen's text without its
// attributes: only the cells with attributes need drawing again.
void BufferWindow::LeaveScrollBack() {
    int atBottom = 0;
    if (!scrollBack.Leave(screen, atBottom)) return;
    UpdateFirstShownRow();
    if (atBottom)
        RedrawAttributeCells();
    else
        RedrawRows(0, screen.lines - 1, 0, screen.columns - 1);
    ShowCaret(handle);
    Hold().LeaveScrollBack();
    if (verticalScrollBar) {
        SetScrollRange(handle, SB_VERT, 0, LiveBarMax, FALSE);
        SetScrollPos(handle, SB_VERT, LiveBarMax, TRUE);
    }
}

void BufferWindow::OnVScroll(int code, int thumb) {
    VScrollInput in = {
        code,           thumb,           screen.store.LineCount(), screen.lines, screen.viewLines,
        screen.viewTop, ScrollBackMode()};
    int rangeMin = 0;
    GetScrollRange(handle, SB_VERT, &rangeMin, &in.liveBarMax);
    VScrollMove move = ComputeVScroll(in);
    if (move.next != move.cur) {
        if (!ScrollBackMode()) {
            EnterScrollBack();
            if (verticalScrollBar) SetScrollRange(handle, SB_VERT, 0, move.max, FALSE);
        }
        if (verticalScrollBar) SetScrollPos(handle, SB_VERT, move.next, TRUE);
        ShowViewMoved(move.next - move.cur);
    }
    // A drag keeps scroll-back mode when it scrolls to the newest lines.
    if (move.next == move.max && !selection.dragging) LeaveScrollBack();
}

// A move of one line shifts the pixels and draws the row uncovered.
void BufferWindow::ShowViewMoved(int delta) {
    screen.MoveView(delta);
    screen.FillViewFromHistory();
    if (std::abs(delta) == 1) {
        ScrollViewOneLine(delta);
        UpdateWindow(handle);
    } else {
        RedrawRows(0, screen.lines - 1, 0, screen.columns - 1);
    }
}

void BufferWindow::OnHScroll(int code, int thumb) {
    int rangeMin = 0, rangeMax = 0;
    GetScrollRange(handle, SB_HORZ, &rangeMin, &rangeMax);
    int next = ComputeHScroll(code, thumb, rangeMin, rangeMax, GetScrollPos(handle, SB_HORZ));
    if (next < 0 || next == hScroll) return;
    hScroll = next;
    SetScrollPos(handle, SB_HORZ, hScroll, TRUE);
    RedrawRows(0, screen.lines - 1, 0, screen.columns - 1);
}
