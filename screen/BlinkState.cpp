#include "screen/BlinkState.h"

int BlinkState::BlinkingRunDrawn() {
    if (seen) return 0;
    seen = 1;
    return 1;
}

void BlinkState::Started(int ok) {
    if (!ok) {
        seen = 0; // the next blinking run drawn asks again
        return;
    }
    timerOn = 1;
    hidden = 0;
}

int BlinkState::Tick(int scrollBackMode) {
    if (scrollBackMode || !timerOn) return 0;
    hidden = !hidden;
    return 1;
}

int BlinkState::PassDrawn(int count) {
    seen = count;
    if (count > 0 || !timerOn) return 0;
    timerOn = 0;
    return 1;
}

int BlinkState::Reveal() {
    if (!hidden) return 0;
    hidden = 0;
    return 1;
}
