#pragma once

// The scroll message a navigation key stands for while output is held.
struct ScrollKeyAction {
    int bar = 0;  // 0: not a scroll key, 1: vertical, 2: horizontal
    int code = 0; // scroll code
};
ScrollKeyAction ScrollKeyFor(unsigned virtualKey, int ctrlHeld);
