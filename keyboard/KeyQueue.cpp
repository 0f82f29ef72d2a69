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
        if (sink.IsSendBusy() || pauseActive) return;
        KeyCode code = TakeNext();
        if (sink.IsHeld()) {
            // Held output swallows typing; only the resume request gets through.
            if (code == ResumeMarker) sink.RequestResume();
        } else if (IsByteCode(code)) {
            sink.QueueByte(static_cast<unsigned char>(code));
        } else {
            sink.FlushQueue();
            ActOnMarker(code);
        }
    }
    sink.FlushQueue();
}

void KeyQueue::ActOnMarker(KeyCode marker) {
    if (marker == HoldMarker) {
        sink.RequestHold();
        sink.FlushQueue();
    } else if (marker == BreakMarker) {
        StartBreak();
    } else if (int seconds = PauseSeconds(marker)) {
        StartPause(seconds);
    }
}

void KeyQueue::StartBreak() {
    if (sink.BeginBreak()) window.StartTimer(KeyTimer::Break, BreakMilliseconds);
}

// A pause whose timer cannot run is skipped rather than stopping the queue
// for good.
void KeyQueue::StartPause(int seconds) {
    pauseActive = window.StartTimer(KeyTimer::Pause, seconds * 1000) ? 1 : 0;
}

void KeyQueue::PauseTimerFired() {
    pauseActive = 0;
    window.StopTimer(KeyTimer::Pause);
    PumpKeys();
}

void KeyQueue::BreakTimerFired() {
    sink.EndBreak();
    window.StopTimer(KeyTimer::Break);
}
