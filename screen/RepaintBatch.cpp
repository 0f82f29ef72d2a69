#include "screen/RepaintBatch.h"

#include <algorithm>

RepaintBatch::RepaintBatch() {
    std::fill(start, start + MaxLines, 0);
    std::fill(end, end + MaxLines, 0);
}

void RepaintBatch::Add(int rowTop, int rowEnd, int colStart, int colEnd) {
    if (colStart >= colEnd) return;
    rowTop = std::max(rowTop, 0);
    rowEnd = std::min(rowEnd, MaxLines);
    for (int row = rowTop; row < rowEnd; ++row) {
        if (start[row] >= end[row]) {
            start[row] = colStart;
            end[row] = colEnd;
        } else {
            start[row] = std::min(start[row], colStart);
            end[row] = std::max(end[row], colEnd);
        }
    }
}

void RepaintBatch::HandTo(ScreenView& view) {
    int row = 0;
    while (row < MaxLines) {
        if (start[row] >= end[row]) {
            ++row;
            continue;
        }
        int band = row + 1;
        while (band < MaxLines && start[band] == start[row] && end[band] == end[row])
            ++band;
        view.InvalidateCells(row, band, start[row], end[row]);
        for (int r = row; r < band; ++r)
            start[r] = end[r] = 0;
        row = band;
    }
}
