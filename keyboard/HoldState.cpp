#include "keyboard/HoldState.h"

#include <cstring>

void HoldState::SetHold(int on) {
    if (on) {
        hold = 1;
        return;
    }
    hold = 0;
    if (deferredCount > 0) {
        // Cleared before it is shown, so that a hold during the display
        // defers into an empty store.
        char block[DeferredCapacity];
        int count = deferredCount;
        std::memcpy(block, deferredData, count);
        deferredCount = 0;
        receiver.DisplayReceived(block, count);
    }
    receiver.MarkDataReady();
}

int HoldState::DeferReceived(const char* bytes, int count) {
    int room = DeferredCapacity - deferredCount;
    int kept = count < 0 ? 0 : (count < room ? count : room);
    if (kept > 0) std::memcpy(deferredData + deferredCount, bytes, kept);
    deferredCount += kept;
    return kept;
}
