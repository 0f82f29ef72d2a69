#pragma once

#include "session/ReceivePath.h"

// Hold: while it is on, received data is not shown. The one block that the
// receive path delivered while held waits here, copied, so that local echo
// or a later read into the receive buffer cannot change it; turning the
// hold off shows it and lets reading resume.
class HoldState {
  public:
    static constexpr int DeferredCapacity = ReceivePath::ReceiveBufferSize;

    explicit HoldState(ReceivePath& receiver) : receiver(receiver) {}
    HoldState(const HoldState&) = delete;
    HoldState& operator=(const HoldState&) = delete;

    int IsHeld() const { return hold; }
    // On: hold output. Off: show the deferred data, then read again.
    void SetHold(int on);
    // Keeps a block handed to the display path while held; bytes beyond
    // the capacity are dropped. Returns the number of bytes kept.
    int DeferReceived(const char* bytes, int count);
    int DeferredCount() const { return deferredCount; }

  private:
    ReceivePath& receiver;
    int hold = 0;
    char deferredData[DeferredCapacity];
    int deferredCount = 0;
};
