#include "app/WindowLimits.h"

#include <algorithm>

namespace {
const int GridColumns = 132;
const int GridLines = 60;
const int MinColumns = 5;
const int MinLines = 3;
} // namespace

WindowLimits ComputeWindowLimits(const WindowLimitInputs& in) {
    const FrameMetrics& m = in.metrics;
    int sideWidth = 2 * m.cxFrame + (in.vBarShown ? m.cxVScroll : 0);
    int sideHeight = 2 * m.cyFrame + m.cyMenu + m.cyCaption;
    WindowLimits limits;
    limits.minWidth = std::min(in.screenWidth, sideWidth + MinColumns * in.cellWidth);
    if (in.softSize) {
        limits.maxWidth = std::min(in.screenWidth, sideWidth + GridColumns * in.cellWidth);
        limits.maxHeight = std::min(in.screenHeight, sideHeight + GridLines * in.cellHeight);
        limits.minHeight = std::min(in.screenHeight, sideHeight + MinLines * in.cellHeight);
    } else {
        limits.maxWidth = std::min(in.screenWidth, sideWidth + in.columns * in.cellWidth);
        limits.maxHeight =
            sideHeight + (in.hBarShown ? m.cyHScroll : 0) + in.configuredLines * in.cellHeight;
        limits.minHeight = sideHeight + m.cyHScroll + MinLines * in.cellHeight;
    }
    return limits;
}
