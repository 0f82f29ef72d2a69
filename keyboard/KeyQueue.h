#pragma once

#include "keyboard/HoldState.h"
#include "keyboard/KeyCodes.h"
#include "session/Connection.h"
#include "session/SendQueue.h"

// Window timers that the key queue asks for.
constexpr int BreakTimerId = 3;
constexpr int BreakMilliseconds = 300;
constexpr int PauseTimerId = 5;

// What the key queue needs from the terminal window.
class KeyQueueWindow {
  public:
    virtual ~KeyQueueWindow() = default;
    // The platform's simple beep: a code did not fit into the queue.
    virtual void Beep() {}
    // Starts a window timer; 1 when it runs.
    virtual int StartTimer(int, int) { return 0; }
    virtual void StopTimer(int) {}
    // The hold-on request: remember that the user asked for hold, hold
    // output, repaint, update the title and lay the window out.
    virtual void RequestHold() {}
    // The hold-off request: forget the user's hold and leave scroll-back
    // mode or release the hold, updating the title.
    virtual void RequestResume() {}
    // The connection the window is linked to, or null.
    virtual Connection* LinkedConnection() { return nullptr; }
};

// The ring of key codes between the keyboard (and macros) and the send
// queue. It holds at most 255 codes; the pump moves them on while the send
// queue can take them and acts on the marker codes.
class KeyQueue {
  public:
    static constexpr int Size = 256;

    KeyQueue(SendQueue& sendQueue, const HoldState& holdState, KeyQueueWindow& window)
        : sendQueue(sendQueue), holdState(holdState), window(window) {}
    KeyQueue(const KeyQueue&) = delete;
    KeyQueue& operator=(const KeyQueue&) = delete;

    // Appends a code; a full queue drops it with a beep. 1 when queued.
    int Enqueue(KeyCode code);
    // Appends each byte of a zero-terminated text as one code.
    void EnqueueString(const char* text);
    int IsEmpty() const { return readIndex == writeIndex; }
    int Count() const { return (writeIndex - readIndex + Size) % Size; }

    // Moves codes into the send queue until the queue is empty, the send
    // queue is busy or a pause runs.
    void PumpKeys();
    // Timer 5: the pause is over; carry on with the codes behind it.
    void PauseTimerFired();
    // Timer 3: the break signal ends.
    void BreakTimerFired();
    int PauseActive() const { return pauseActive; }

  private:
    KeyCode TakeNext();
    void ActOnMarker(KeyCode marker);
    void StartBreak();
    void StartPause(int seconds);

    SendQueue& sendQueue;
    const HoldState& holdState;
    KeyQueueWindow& window;
    KeyCode codes[Size] = {};
    int readIndex = 0;
    int writeIndex = 0;
    int pauseActive = 0;
};
