#include "screen/OutputHold.h"

void OutputHold::RequestHold() {
    Change({1, 1, flags.scrollBackMode});
}

void OutputHold::Resume() {
    Change({flags.scrollBackMode, 0, flags.scrollBackMode});
}

void OutputHold::EnterScrollBack() {
    Change({1, flags.holdRequested, 1});
}

void OutputHold::LeaveScrollBack() {
    Change({flags.holdRequested, flags.holdRequested, 0});
}

// The listener hears of real changes only, once each.
void OutputHold::Change(const HoldFlags& next) {
    if (next.hold == flags.hold && next.holdRequested == flags.holdRequested &&
        next.scrollBackMode == flags.scrollBackMode)
        return;
    HoldFlags before = flags;
    flags = next;
    listener.HoldChanged(before);
}
