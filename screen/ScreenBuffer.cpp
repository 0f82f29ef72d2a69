#include "screen/ScreenBuffer.h"

#include <algorithm>
#include <cstring>

namespace {

ScreenView quietView;

struct BlankLine {
    Cell cells[LineWidth];
    BlankLine() { std::fill(cells, cells + LineWidth, BlankCell); }
};
const BlankLine blankLine;

int ValidCell(int row, int col) {
    return row >= 0 && row < MaxLines && col >= 0 && col < LineWidth;
}

} // namespace

ScreenBuffer::ScreenBuffer(int columns, int lines, BlockPool& pool)
    : store(pool), columns(std::clamp(columns, 3, LineWidth)),
      lines(std::clamp(lines, 3, MaxLines)), configuredLines(this->lines), viewLines(this->lines),
      view(&quietView), active(arrayA), spare(arrayB) {
    std::fill(arrayA, arrayA + GridCells, BlankCell);
    std::fill(arrayB, arrayB + GridCells, BlankCell);
}

void ScreenBuffer::SetView(ScreenView* newView) {
    view = newView ? newView : &quietView;
}

int ScreenBuffer::ClampColumnsSetting(int value) {
    if (value < 5) return 3;
    return std::min(value, LineWidth);
}

int ScreenBuffer::ClampLinesSetting(int value) {
    return std::clamp(value, 3, MaxLines);
}

int ScreenBuffer::UsedLines() const {
    return std::clamp(lines, 0, MaxLines);
}

int ScreenBuffer::ShownColumns() const {
    return std::clamp(columns, 0, LineWidth);
}

const Cell* ScreenBuffer::RowCells(int row) const {
    if (row < 0 || row >= MaxLines) return blankLine.cells;
    return RowPtr(row);
}

Cell ScreenBuffer::CellAt(int row, int col) const {
    return ValidCell(row, col) ? RowPtr(row)[col] : BlankCell;
}

void ScreenBuffer::PutChar(unsigned char ch, unsigned char attr, int row, int col) {
    if (!ValidCell(row, col)) return;
    if (row != runRow || col != runEnd) {
        CloseRun();
        runRow = row;
        runStart = runEnd = col;
    }
    RowPtr(row)[col] = MakeCell(ch, attr);
    runEnd = col + 1;
}

void ScreenBuffer::PutChars(const unsigned char* chars, int count, const unsigned char* table,
                            unsigned char attr, int row, int col) {
    if (!ValidCell(row, col) || count <= 0) return;
    count = std::min(count, LineWidth - col);
    if (row != runRow || col != runEnd) {
        CloseRun();
        runRow = row;
        runStart = runEnd = col;
    }
    Cell* cells = RowPtr(row) + col;
    for (int i = 0; i < count; ++i)
        cells[i] = MakeCell(table[chars[i]], attr);
    runEnd = col + count;
}

void ScreenBuffer::FillCells(unsigned char ch, unsigned char attr, int row, int col, int count) {
    CloseRun();
    if (!ValidCell(row, col) || count <= 0) return;
    int start = row * LineWidth + col;
    count = std::min(count, GridCells - start);
    std::fill(active + start, active + start + count, MakeCell(ch, attr));
    int endRow = std::min((start + count) / LineWidth, MaxLines - 1);
    MarkChanged(row, endRow);
    if (endRow == row)
        Invalidate(row, row + 1, col, col + count);
    else
        InvalidateRows(row, endRow + 1);
}

void ScreenBuffer::InsertChars(int row, int col, int count) {
    CloseRun();
    if (!ValidCell(row, col)) return;
    count = std::clamp(count, 1, LineWidth - col);
    Cell* line = RowPtr(row);
    std::memmove(line + col + count, line + col, (LineWidth - col - count) * sizeof(Cell));
    std::fill(line + col, line + col + count, BlankCell);
    RepaintRow(row);
}

void ScreenBuffer::DeleteChars(int row, int col, int count) {
    CloseRun();
    if (!ValidCell(row, col)) return;
    count = std::clamp(count, 1, LineWidth - col);
    Cell* line = RowPtr(row);
    std::memmove(line + col, line + col + count, (LineWidth - col - count) * sizeof(Cell));
    std::fill(line + LineWidth - count, line + LineWidth, BlankCell);
    RepaintRow(row);
}

void ScreenBuffer::MakeLineDoubleWidth(int row) {
    CloseRun();
    if (row < 0 || row >= MaxLines) return;
    Cell* line = RowPtr(row);
    for (int i = LineWidth - 1; i >= 0; i -= 1)
        line[i] = i % 2 == 0 ? line[i / 2] : BlankCell;
    RepaintRow(row);
}

void ScreenBuffer::MakeLineSingleWidth(int row) {
    CloseRun();
    if (row < 0 || row >= MaxLines) return;
    Cell* line = RowPtr(row);
    for (int i = 0; i < LineWidth / 2; i += 1)
        line[i] = line[2 * i];
    std::fill(line + LineWidth / 2, line + LineWidth, BlankCell);
    RepaintRow(row);
}

void ScreenBuffer::GetLineText(int row, unsigned char* out) const {
    if (!out) return;
    out[0] = 0;
    if (row < 0 || row >= MaxLines) return;
    const Cell* line = RowPtr(row);
    int length = 0;
    for (int i = 0; i < LineWidth; i += 1) {
        out[i + 1] = CellChar(line[i]);
        if (out[i + 1] != ' ') length = i + 1;
    }
    out[0] = static_cast<unsigned char>(length);
}

void ScreenBuffer::SetLineText(int row, const char* text) {
    if (row < 0 || row >= UsedLines()) return;
    int length = text ? static_cast<int>(strnlen(text, LineWidth)) : 0;
    WriteLineChars(row, reinterpret_cast<const unsigned char*>(text), length);
}

void ScreenBuffer::WriteLineChars(int row, const unsigned char* chars, int length) {
    Cell* line = RowPtr(row);
    for (int i = 0; i < length; i += 1)
        line[i] = MakeCell(chars[i], 0);
    std::fill(line + length, line + LineWidth, BlankCell);
}

void ScreenBuffer::SwapArrays() {
    CloseRun();
    std::swap(active, spare);
}
