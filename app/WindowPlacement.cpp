#include "app/WindowPlacement.h"

#include "settings/SettingsValues.h"

#include <climits>

namespace {

WindowPlacement SizedForScreen(const WindowSettings& s, const ScreenGeometry& g,
                               const FrameMetrics& m) {
    WindowPlacement p;
    p.width = ClampToInt((long long)g.cellWidth * g.columns + 2LL * m.cxFrame +
                         (s.verticalScrollBar ? m.cxVScroll : 0));
    p.height = ClampToInt((long long)g.cellHeight * g.lines + 2LL * m.cyFrame + m.cyHScroll +
                          m.cyMenu + m.cyCaption);
    return p;
}

} // namespace

WindowPlacement PlaceWindow(const WindowSettings& s, const ScreenGeometry& g,
                            const FrameMetrics& m) {
    const WindowRect& r = s.windowRect;
    const long long width = (long long)r.right - r.left;
    const long long height = (long long)r.bottom - r.top;
    if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX)
        return SizedForScreen(s, g, m);
    WindowPlacement p;
    p.width = int(width);
    p.height = int(height);
    if (s.rememberOrigin) {
        p.defaultPosition = 0;
        p.x = r.left;
        p.y = r.top;
    }
    return p;
}
