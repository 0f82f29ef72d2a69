#pragma once

#include "app/win32/BufferWindow.h"
#include "keyboard/KeyQueue.h"
#include "keyboard/LockStates.h"
#include "session/ConnectionEvents.h"
#include "session/Session.h"

// The stream layer of the terminal window: it owns the session (the link to
// the connection, the receive path, the send queue and the hold of output)
// and the key queue that feeds it, keeps the keyboard's lock states and the
// caret, and shows what the connection reports. What received bytes mean is
// the emulator layer's: ProcessInput.
class StreamWindow : public BufferWindow,
                     public SessionWindow,
                     public KeyQueueWindow,
                     public ConnectionEvents,
                     public LineReport {
  public:
    static constexpr int CaretHeight = 2;
    // The caption of the box that tells that a host could not be reached.
    static constexpr const char* ConnectFailedCaption = "LUMO";

    explicit StreamWindow(Profile& settings);

    // Received data.
    virtual void ProcessInput(const char* bytes, int count) = 0;
    // Received bytes on their way to the emulator, for the log's
    // every-byte policy.
    virtual void LogReceivedBytes(const char*, int) {}
    void ShowLocalLine(const char* text) { session.receiver.ShowLocalLine(text); }
    OutputHold& Hold() override { return session.hold; }

    // The session's window.
    void ProcessReceived(const char* bytes, int count) override;
    void ShowChanges() override;
    unsigned Milliseconds() override { return GetTickCount(); }
    void PostDisconnected() override;
    void ShowSendError(const char* text) override;

    // The key queue's window; its bell is the emulator layer's Beep.
    int StartTimer(KeyTimer timer, int milliseconds) override;
    void StopTimer(KeyTimer timer) override;

    // The connection's reports.
    void ConnectFailed(const char* text) override;
    void LinkClosed(const char* hostName, int whileConnecting) override;
    void LinkEstablished() override;
    void LinkEnded() override { PostDisconnected(); }
    void ReportLine(const char* text) override { ShowLocalLine(text); }

    // Scroll Lock asks for hold or resume; paste toggles it to end a hold.
    void ScrollLockChanged();
    void ToggleScrollLock();

    // The caret: a bar one cell wide along the bottom of the cursor's cell
    // (CursorCell), owned while the window has the focus.
    void FocusCaret(int gaining);
    void PlaceCaret();
    void RecreateCaret();

    int ChangeFont() override;
    void Paint(PaintContext& context) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    Session session;
    KeyQueue keyQueue;
    LockStates lockStates;
    int caretExists = 0;

  private:
    void MakeCaret();
};
