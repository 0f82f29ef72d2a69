#pragma once

// The system metrics that the window's outer size is made of, in pixels.
struct FrameMetrics {
    int cxFrame = 0;   // SM_CXFRAME
    int cyFrame = 0;   // SM_CYFRAME
    int cxVScroll = 0; // SM_CXVSCROLL
    int cyHScroll = 0; // SM_CYHSCROLL
    int cyMenu = 0;    // SM_CYMENU
    int cyCaption = 0; // SM_CYCAPTION
};
