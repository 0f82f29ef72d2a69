#pragma once

#include "screen/ScreenBuffer.h"

// Scroll-back mode and the scroll bars. In scroll-back mode the active
// array shows lines of history (the live screen is pushed into the store
// and rests in the spare array) and received data waits.

// The standard scroll-bar codes.
namespace ScrollCode {
constexpr int LineUp = 0;
constexpr int LineDown = 1;
constexpr int PageUp = 2;
constexpr int PageDown = 3;
constexpr int ThumbPosition = 4;
constexpr int ThumbTrack = 5;
constexpr int Top = 6;
constexpr int Bottom = 7;
constexpr int EndScroll = 8;
} // namespace ScrollCode

// The live vertical bar's range is 0..LiveBarMax with the thumb at the end.
constexpr int LiveBarMax = 99;

// Where a vertical scroll takes the view, in absolute lines of its top.
struct VScrollMove {
    int cur;  // where the view is (the live screen counts as the bottom)
    int next; // where it goes; equal to cur when it does not move
    int max;  // the view's top when it shows the newest lines
};

struct VScrollInput {
    int code;
    int thumb;
    int lineCount; // lines in the store
    int lines;     // rows of the screen (of the view in scroll-back mode)
    int viewLines;
    int viewTop;
    int scrollBackMode;
    int liveBarMax = LiveBarMax; // the live bar's range, which the thumb is in
};

// The move for a vertical scroll-bar message; cur == next when it does
// nothing. In live mode the thumb of the live bar's range (0..99 once
// the bar has been reset, 0..1 on a new window) is scaled to history.
VScrollMove ComputeVScroll(const VScrollInput& in);

// The new horizontal offset for a horizontal scroll-bar message, or -1
// when the message does not move it. Pages are 8 columns.
int ComputeHScroll(int code, int thumb, int rangeMin, int rangeMax, int pos);

// The bar's maximum on entering scroll-back mode: 0..1 when every line
// fits, so that the bar stays usable.
int ScrollBackBarMax(int lineCount, int viewLines);

// The grid's side of entering and leaving scroll-back mode.
class ScrollBackView {
  public:
    int Active() const { return active; }
    // Pushes the screen into history, shows its last viewLines rows from
    // there and keeps the live line count. 0 when already active.
    int Enter(ScreenBuffer& screen);
    // Brings the live screen back. Returns 1 when the view showed the
    // bottom of history, whose text is the live screen's own. 0 when not
    // active.
    int Leave(ScreenBuffer& screen, int& atBottom);
    int LiveLines() const { return liveLines; }

  private:
    int active = 0;
    int liveLines = 0;
};
