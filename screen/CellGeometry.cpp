#include "screen/CellGeometry.h"

#include <algorithm>

PixelRect CellsToClient(const CellOffsets& at, int rowTop, int rowEnd, int colStart, int colEnd) {
    return {(colStart - at.hScroll) * at.cellWidth, (rowTop - at.firstShownRow) * at.cellHeight,
            (colEnd - at.hScroll) * at.cellWidth, (rowEnd - at.firstShownRow) * at.cellHeight};
}

BandScroll ScrollBand(const CellOffsets& at, int clipTop, int clipEnd, int count, int columns) {
    PixelRect clip = CellsToClient(at, clipTop, clipEnd, 0, columns);
    PixelRect moved = clip;
    if (count > 0)
        moved.top += count * at.cellHeight;
    else
        moved.bottom += count * at.cellHeight;
    return {clip, moved, -count * at.cellHeight};
}

int FirstShownRow(int lines, int clientHeight, int cellHeight) {
    return std::max(0, lines - clientHeight / std::max(cellHeight, 1));
}

namespace {

// Division that rounds towards minus infinity, so that a rectangle edge
// left of or above the origin falls in the cell before it.
int FloorDiv(int value, int step) {
    int quotient = value / step;
    return value % step != 0 && value < 0 ? quotient - 1 : quotient;
}

} // namespace

CellRange CellsToPaint(const PixelRect& logical, int cellWidth, int cellHeight, int lines,
                       int columns) {
    cellWidth = std::max(cellWidth, 1);
    cellHeight = std::max(cellHeight, 1);
    return {std::max(0, FloorDiv(logical.top, cellHeight)),
            std::min(lines - 1, FloorDiv(logical.bottom, cellHeight)),
            std::max(0, FloorDiv(logical.left, cellWidth)),
            std::min(columns - 1, FloorDiv(logical.right, cellWidth))};
}

PixelPoint CaretPoint(const CellOffsets& at, int row, int col, int barHeight) {
    return {(col - at.hScroll) * at.cellWidth,
            (row - at.firstShownRow + 1) * at.cellHeight - barHeight};
}
