#pragma once

// What the emulator needs from the window and the connection around it. Every
// operation does nothing by default, so the emulator runs without a window
// (tools, tests, fuzzing); the terminal window overrides what it provides.
class EmulatorHost {
  public:
    virtual ~EmulatorHost() = default;

    // Sends a report (identity, status, cursor position, size) to the host at
    // once, past the send queue, when a connection is up; otherwise drops it.
    virtual void SendReply(const char* /*text*/, int /*length*/) {}

    // The platform's simple beep, for BEL.
    virtual void Beep() {}

    // The column switch changed the logical width: the frame window is shown
    // restored and then maximized, which lays it out anew.
    virtual void ShowColumnsChanged() {}

    // Sets the window geometry's soft-size flag (screen size reports on, or
    // the column switch turning it off).
    virtual void SetSoftSize(int /*on*/) {}

    // The logical size or the scrolling region changed: refresh the size item.
    virtual void UpdateSizeItem() {}
};
