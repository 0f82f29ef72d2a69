#include "screen/ScrollBack.h"

#include <algorithm>

namespace {

int ClampedTarget(int code, int thumb, int cur, int max, int page) {
    switch (code) {
    case ScrollCode::LineUp: return cur > 0 ? cur - 1 : cur;
    case ScrollCode::LineDown: return cur < max ? cur + 1 : cur;
    case ScrollCode::PageUp: return std::max(0, cur - page);
    case ScrollCode::PageDown: return std::min(max, cur + page);
    case ScrollCode::ThumbPosition: return std::clamp(thumb, 0, max);
    case ScrollCode::Top: return 0;
    case ScrollCode::Bottom: return max;
    default: return cur;
    }
}

} // namespace

VScrollMove ComputeVScroll(const VScrollInput& in) {
    VScrollMove move;
    int thumb = in.thumb;
    if (in.scrollBackMode) {
        move.cur = in.viewTop;
        move.max = in.lineCount - in.viewLines;
    } else {
        move.max = in.lineCount + in.lines - in.viewLines;
        move.cur = move.max;
    }
    move.next = move.cur;
    int room = in.lineCount - (in.scrollBackMode ? in.viewLines : 0);
    if (in.code == ScrollCode::ThumbTrack || in.code == ScrollCode::EndScroll || room <= 0)
        return move;
    if (!in.scrollBackMode) {
        int barMax = std::max(in.liveBarMax, 1);
        thumb = static_cast<int>(
            (static_cast<long long>(std::clamp(thumb, 0, barMax)) * room + barMax / 2) / barMax);
    }
    // Pages overlap by one line.
    move.next = ClampedTarget(in.code, thumb, move.cur, move.max, std::max(in.viewLines - 1, 1));
    return move;
}

int ComputeHScroll(int code, int thumb, int rangeMin, int rangeMax, int pos) {
    int next;
    switch (code) {
    case ScrollCode::LineUp: next = pos > rangeMin ? pos - 1 : pos; break;
    case ScrollCode::LineDown: next = pos < rangeMax ? pos + 1 : pos; break;
    case ScrollCode::PageUp: next = std::max(rangeMin, pos - 8); break;
    case ScrollCode::PageDown: next = std::min(rangeMax, pos + 8); break;
    case ScrollCode::ThumbPosition:
        next = std::clamp(thumb, rangeMin, std::max(rangeMin, rangeMax));
        break;
    case ScrollCode::Top: next = rangeMin; break;
    case ScrollCode::Bottom: next = rangeMax; break;
    default: return -1;
    }
    return next;
}

int ScrollBackBarMax(int lineCount, int viewLines) {
    int max = lineCount - viewLines;
    return max > 0 ? max : 1;
}

int ScrollBackView::Enter(ScreenBuffer& screen) {
    if (active) return 0;
    screen.PushScreenToHistory();
    screen.SwapArrays();
    screen.FillViewFromHistory();
    liveLines = screen.lines;
    screen.lines = screen.viewLines;
    active = 1;
    return 1;
}

int ScrollBackView::Leave(ScreenBuffer& screen, int& atBottom) {
    if (!active) return 0;
    atBottom = screen.store.LineCount() - screen.viewTop - screen.viewLines == 0;
    screen.lines = liveLines;
    screen.PopScreenFromHistory();
    screen.SwapArrays();
    active = 0;
    return 1;
}
