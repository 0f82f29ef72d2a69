#include "app/win32/StreamWindow.h"

#include "keyboard/KeyTranslation.h"
#include "keyboard/VirtualKeys.h"

#include <cstdio>

namespace {

UINT_PTR TimerIdOf(KeyTimer timer) {
    return timer == KeyTimer::Break ? BreakTimerId : PauseTimerId;
}

// The platform's keyboard state, one byte per virtual key.
struct KeyboardState {
    BYTE bytes[LockStates::KeyStateSize];
    KeyboardState() { GetKeyboardState(bytes); }
    void Store() { SetKeyboardState(bytes); }
};

} // namespace

StreamWindow::StreamWindow(Profile& settings)
    : BufferWindow(settings), session(*this), keyQueue(session, *this),
      lockStates(KeyboardState().bytes) {}

void StreamWindow::ProcessReceived(const char* bytes, int count) {
    screen.BatchRepaints();
    LogReceivedBytes(bytes, count);
    ProcessInput(bytes, count);
}

void StreamWindow::ShowChanges() {
    screen.FlushChanges();
    PlaceCaret();
}

void StreamWindow::PostDisconnected() {
    PostMessageA(handle, UM_DISCONNECTED, 0, 0);
}

void StreamWindow::ShowSendError(const char* text) {
    MessageBoxA(handle, text, nullptr, MB_OK);
}

int StreamWindow::StartTimer(KeyTimer timer, int milliseconds) {
    return handle && SetTimer(handle, TimerIdOf(timer), milliseconds, nullptr) ? 1 : 0;
}

void StreamWindow::StopTimer(KeyTimer timer) {
    KillTimer(handle, TimerIdOf(timer));
}

// A connect that could not start: no owner, the system's caption.
void StreamWindow::ConnectFailed(const char* text) {
    MessageBoxA(nullptr, text, nullptr, MB_OK | MB_ICONSTOP);
}

// An exclamation beep, and while connecting the box that names the host.
void StreamWindow::LinkClosed(const char* hostName, int whileConnecting) {
    MessageBeep(MB_ICONEXCLAMATION);
    if (!whileConnecting) return;
    char text[160];
    std::snprintf(text, sizeof text, "Cannot connect to %s", hostName);
    MessageBoxA(handle, text, ConnectFailedCaption, MB_OK);
}

void StreamWindow::LinkEstablished() {
    PostMessageA(handle, UM_CONNECTED, 0, 0);
}

void StreamWindow::ScrollLockChanged() {
    keyQueue.Enqueue(::ScrollLockChanged(GetKeyState(VirtualKey::Scroll) & 1));
}

void StreamWindow::ToggleScrollLock() {
    KeyboardState state;
    KeyCode request = ::ToggleScrollLock(state.bytes);
    state.Store();
    keyQueue.Enqueue(request);
}

void StreamWindow::MakeCaret() {
    CreateCaret(handle, nullptr, cellWidth, CaretHeight);
    caretExists = 1;
    PlaceCaret();
    ShowCaret(handle);
}

// The terminal keeps its own Num, Caps and Scroll Lock states: they are
// put in place while the window has the focus, and the outside ones back
// when it loses it.
void StreamWindow::FocusCaret(int gaining) {
    KeyboardState state;
    if (gaining) {
        if (!caretExists) MakeCaret();
        lockStates.FocusGained(state.bytes);
    } else {
        if (caretExists) DestroyCaret();
        caretExists = 0;
        lockStates.FocusLost(state.bytes);
    }
    state.Store();
}

void StreamWindow::PlaceCaret() {
    if (!caretExists) return;
    int row = 0, col = 0;
    CursorCell(row, col);
    PixelPoint at = CaretPoint(Offsets(), row, col, CaretHeight);
    SetCaretPos(at.x, at.y);
}

void StreamWindow::RecreateCaret() {
    if (!caretExists) return;
    DestroyCaret();
    MakeCaret();
}

int StreamWindow::ChangeFont() {
    if (!BufferWindow::ChangeFont()) return 0;
    RecreateCaret();
    return 1;
}

void StreamWindow::Paint(PaintContext& context) {
    PaintUpdate(context);
    PlaceCaret();
}

LRESULT StreamWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS: FocusCaret(1); return 0;
    case WM_KILLFOCUS: FocusCaret(0); return 0;
    case UM_SOCKET: session.SocketEvent(); return 0;
    default: break;
    }
    return BufferWindow::HandleMessage(message, wParam, lParam);
}
