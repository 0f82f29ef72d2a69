#pragma once

#include "screen/Cell.h"
#include "screen/ScreenView.h"

// Repaint rectangles gathered while received data is processed: per row the
// span of columns to repaint. Handing them on gives the window one
// rectangle for each band of rows that share a span, instead of one per
// write.
class RepaintBatch {
  public:
    RepaintBatch();

    // Rows rowTop..rowEnd-1, columns colStart..colEnd-1; rows outside the
    // grid are dropped.
    void Add(int rowTop, int rowEnd, int colStart, int colEnd);
    // Passes the gathered rectangles to the view and empties the batch.
    void HandTo(ScreenView& view);

  private:
    int start[MaxLines];
    int end[MaxLines];
};
