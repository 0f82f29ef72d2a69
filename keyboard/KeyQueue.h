#pragma once

#include "keyboard/KeyCodes.h"
#include "keyboard/KeySink.h"

// The timers that the key queue asks of the window: the end of a break
// signal and the end of a macro's pause.
enum class KeyTimer { Break, Pause };
constexpr int BreakMilliseconds = 300;

// What the key queue needs from the terminal window.
class KeyQueueWindow {
  public:
    virtual ~KeyQueueWindow() = default;
    // The platform's simple beep: a code did not fit into the queue.
    virtual void Beep() {}
    // Starts a window timer; 1 when it runs.
    virtual int StartTimer(KeyTimer, int) { return 0; }
    virtual void StopTimer(KeyTimer) {}
};

// The ring of key codes between the keyboard (and macros) and the send
// queue. It holds at most 255 codes; the pump moves them on to the sink
// while its send queue can take them and acts on the marker codes.
class KeyQueue {
  public:
    static constexpr int Size = 256;

    KeyQueue(KeySink& sink, KeyQueueWindow& window) : sink(sink), window(window) {}
    KeyQueue(const KeyQueue&) = delete;
    KeyQueue& operator=(const KeyQueue&) = delete;

    // Appends a code; a full queue drops it with a beep. 1 when queued.
    int Enqueue(KeyCode code);
    // Appends each byte of a zero-terminated text as one code.
    void EnqueueString(const char* text);
    int IsEmpty() const { return readIndex == writeIndex; }
    int Count() const { return (writeIndex - readIndex + Size) % Size; }

    // Moves codes to the sink until the queue is empty, the send queue is
    // busy or a pause runs.
    void PumpKeys();
    // The pause is over; carry on with the codes behind it.
    void PauseTimerFired();
    // The break signal ends.
    void BreakTimerFired();
    int PauseActive() const { return pauseActive; }

  private:
    KeyCode TakeNext();
    void ActOnMarker(KeyCode marker);
    void StartBreak();
    void StartPause(int seconds);

    KeySink& sink;
    KeyQueueWindow& window;
    KeyCode codes[Size] = {};
    int readIndex = 0;
    int writeIndex = 0;
    int pauseActive = 0;
};
