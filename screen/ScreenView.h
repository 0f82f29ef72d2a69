#pragma once

// What the screen buffer needs from the window that shows it. Coordinates are
// cells: rows of the grid and columns of a line; the window turns them into
// pixels with its own offsets and cell size. Every operation does nothing by
// default, so the buffer works without a window.
class ScreenView {
  public:
    virtual ~ScreenView() = default;

    // Marks rows rowTop..rowEnd-1, columns colStart..colEnd-1 for repainting,
    // without erasing the background.
    virtual void InvalidateCells(int /*rowTop*/, int /*rowEnd*/, int /*colStart*/, int /*colEnd*/) {
    }

    // Moves the pixels of the clip band rows clipTop..clipEnd-1, columns
    // 0..columns-1, vertically by count lines: up when count > 0, down when
    // count < 0. The rows moved are the band without its first count rows
    // (up) or its last -count rows (down); the strip uncovered becomes invalid.
    virtual void ScrollCells(int /*clipTop*/, int /*clipEnd*/, int /*count*/, int /*columns*/) {}

    // Paints what is invalid now.
    virtual void UpdateView() {}

    // A line (counted text) has gone from the screen into history. The window
    // writes it to the log when logging lines is active.
    virtual void LogLine(const unsigned char* /*text*/) {}

    // The history store could not get memory for a block and dropped lines to
    // make room; the window may tell the user.
    virtual void StoreShortage() {}
};
