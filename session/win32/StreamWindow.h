#pragma once

#include "keyboard/HoldState.h"
#include "keyboard/KeyQueue.h"
#include "keyboard/LockStates.h"
#include "screen/win32/BufferWindow.h"
#include "session/Connection.h"
#include "session/ReceivePath.h"
#include "session/ReceiveWindow.h"
#include "session/SendQueue.h"

// The stream layer of the terminal window: the receive side (the 1024-byte
// receive buffer and its pump, hold and the data deferred by it), the key
// queue with the send queue it feeds, the keyboard's lock states and the
// caret. What received bytes mean is the emulator layer's: ProcessInput.
class StreamWindow : public BufferWindow,
                     public ReceiveWindow,
                     public KeyQueueWindow,
                     public SendQueueHost,
                     public LineReport {
  public:
    static constexpr UINT UM_SOCKET = 68;         // the socket has an event
    static constexpr UINT UM_DISCONNECTED = 1026; // the host connection has ended
    static constexpr int CaretHeight = 2;

    explicit StreamWindow(Profile& settings);

    // Received data.
    virtual int PumpReceive();
    virtual void ProcessInput(const char* bytes, int count) = 0;
    // Received bytes on their way to the emulator, for the log's
    // every-byte policy.
    virtual void LogReceivedBytes(const char*, int) {}
    void MarkDataReady() { receiver.MarkDataReady(); }
    void ShowLocalLine(const char* text);
    // Links the receive side to the process's current connection; until
    // then nothing is read.
    void LinkReceiver();
    void SetHold(int on) override { holdState.SetHold(on); }

    // The receive path's window.
    int IsHeld() override { return holdState.IsHeld(); }
    void DeferReceived(const char* bytes, int count) override;
    void ProcessReceived(const char* bytes, int count) override;
    void ShowChanges() override;
    void PostDisconnected() override;

    // The key queue's window.
    void Beep() override;
    int StartTimer(int id, int milliseconds) override;
    void StopTimer(int id) override;
    void RequestHold() override;
    void RequestResume() override;
    Connection* LinkedConnection() override { return receiver.LinkedConnection(); }

    void ShowSendError(const char* text) override;
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

    ReceivePath receiver;
    HoldState holdState;
    SendQueue sendQueue;
    KeyQueue keyQueue;
    LockStates lockStates;
    int caretExists = 0;
    int holdRequested = 0;

  private:
    void MakeCaret();
};
