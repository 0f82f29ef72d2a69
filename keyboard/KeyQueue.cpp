#include "keyboard/KeyQueue.h"

int KeyQueue::Enqueue(KeyCode code) {
    int next = (writeIndex + 1) % Size;
    if (next == readIndex) {
        window.Beep();
        return 0;
    }
    codes[writeIndex] = code;
    writeIndex = next;
    return 1;
}

void KeyQueue::EnqueueString(const char* text) {
    for (; *text; ++text)
        Enqueue(static_cast<unsigned char>(*text));
}

KeyCode KeyQueue::TakeNext() {
    KeyCode code = codes[readIndex];
    readIndex = (readIndex + 1) % Size;
    return code;
}

void KeyQueue::PumpKeys() {
    while (!IsEmpty()) {
        if (sendQueue.IsSendBusy() || pauseActive) return;
        KeyCode code = TakeNext();
        if (holdState.IsHeld()) {
            // Held output swallows typing; only the resume request gets through.
            if (code == ResumeMarker) window.RequestResume();
        } else if (IsByteCode(code)) {
            sendQueue.QueueByte(static_cast<unsigned char>(code));
        } else {
            sendQueue.FlushQueue();
            ActOnMarker(code);
        }
    }
    sendQueue.FlushQueue();
}

void KeyQueue::ActOnMarker(KeyCode marker) {
    if (marker == HoldMarker) {
        window.RequestHold();
        sendQueue.FlushQueue();
    } else if (marker == BreakMarker) {
        StartBreak();
    } else if (int seconds = PauseSeconds(marker)) {
        StartPause(seconds);
    }
}

void KeyQueue::StartBreak() {
    Connection* connection = window.LinkedConnection();
    if (!connection || !connection->connected) return;
    connection->BeginBreak();
    window.StartTimer(BreakTimerId, BreakMilliseconds);
}

// A pause whose timer cannot run is skipped rather than stopping the queue
// for good.
void KeyQueue::StartPause(int seconds) {
    pauseActive = window.StartTimer(PauseTimerId, seconds * 1000) ? 1 : 0;
}

void KeyQueue::PauseTimerFired() {
    pauseActive = 0;
    window.StopTimer(PauseTimerId);
    PumpKeys();
}

void KeyQueue::BreakTimerFired() {
    if (Connection* connection = window.LinkedConnection()) connection->EndBreak();
    window.StopTimer(BreakTimerId);
}
