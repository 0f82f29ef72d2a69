#include "screen/FixedLayout.h"

#include <algorithm>

void MatchVerticalBar(LayoutState& state, const LayoutRequest& request, LayoutFrame& frame,
                      int& clientWidth, int& clientHeight, int& w) {
    int wantBar = request.verticalScrollBar ? 1 : 0;
    if (wantBar == state.vBarShown) return;
    frame.ShowVerticalBar(wantBar);
    state.vBarShown = wantBar;
    int before = clientWidth;
    frame.ClientSize(clientWidth, clientHeight);
    w += before - clientWidth;
}

int RunFixedLayout(LayoutState& state, const LayoutRequest& request, LayoutFrame& frame) {
    int cellWidth = std::max(request.cellWidth, 1);
    int cellHeight = std::max(request.cellHeight, 1);
    int w = 0, h = 0, clientWidth = 0, clientHeight = 0;
    frame.OuterSize(w, h);
    state.frameWidth = w;
    state.frameHeight = h;
    frame.ClientSize(clientWidth, clientHeight);

    state.fitColumns = clientWidth / cellWidth;
    state.viewLines = clientHeight / cellHeight;
    if (state.viewLines > request.lines) {
        h -= (state.viewLines - request.lines) * cellHeight;
        state.viewLines = request.lines;
    }

    MatchVerticalBar(state, request, frame, clientWidth, clientHeight, w);

    int hidden = std::max(0, request.columns - state.fitColumns);
    int wantHBar = hidden > 0 ? 1 : 0;
    if (wantHBar != state.hBarShown) {
        state.hBarShown = wantHBar;
        frame.ShowHorizontalBar(wantHBar, hidden, request.hScroll);
        int before = clientHeight;
        frame.ClientSize(clientWidth, clientHeight);
        h += before - clientHeight; // keep the client height
    } else if (wantHBar) {
        // The thumb follows the view also when only the height changed,
        // which takes the view back to column 0.
        frame.ShowHorizontalBar(1, hidden, std::min(request.hScroll, hidden));
    }
    state.hiddenColumns = wantHBar ? hidden : 0;

    if (h == state.frameHeight && w == state.frameWidth) return 0;
    state.frameWidth = w;
    state.frameHeight = h;
    frame.ResizeFrame(w, h);
    return 1;
}
