#pragma once

// The layout of a window whose logical screen size is fixed: the window is
// never taller than the logical screen, a horizontal scroll bar appears
// while fewer columns fit than the screen has (its range follows the
// number of columns hidden, so that every column can be reached, and its
// thumb the first column shown), and the
// vertical bar follows the user's choice without changing the client width.

// What the layout does to the window. Sizes are in pixels.
class LayoutFrame {
  public:
    virtual ~LayoutFrame() = default;
    virtual void OuterSize(int& width, int& height) = 0;
    virtual void ClientSize(int& width, int& height) = 0;
    // Hides the vertical bar (range 0..0, no redraw) or shows it (range
    // 0..99 without redraw, then position 99 with redraw).
    virtual void ShowVerticalBar(int show) = 0;
    // Hides the horizontal bar (range 0..0) or shows it with the range
    // 0..hidden and the position.
    virtual void ShowHorizontalBar(int show, int hidden, int position) = 0;
    // Resizes the window without moving it or changing its z-order.
    virtual void ResizeFrame(int width, int height) = 0;
};

// The window's geometry as last laid out.
struct LayoutState {
    int frameWidth = -1; // outer size; -1 forces the next layout
    int frameHeight = -1;
    int hBarShown = 1;
    int vBarShown = 1;
    int fitColumns = 0;    // whole cells across the client area
    int viewLines = 0;     // whole rows down the client area, at most lines
    int hiddenColumns = 0; // the horizontal bar's range while it is shown
};

struct LayoutRequest {
    int cellWidth;
    int cellHeight;
    int columns;
    int lines;
    int verticalScrollBar; // the user wants the vertical bar
    int hScroll;           // first column shown
};

// Shows or hides the vertical bar as the user wants it, adding to the outer
// width w what the bar takes from the client width or gives back to it.
void MatchVerticalBar(LayoutState& state, const LayoutRequest& request, LayoutFrame& frame,
                      int& clientWidth, int& clientHeight, int& w);

// Lays the window out; returns 1 when it resized the window (the caller then
// updates the size item).
int RunFixedLayout(LayoutState& state, const LayoutRequest& request, LayoutFrame& frame);
