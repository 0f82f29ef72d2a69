#pragma once

// A screen cell: the character code to draw in the low byte, the attribute
// byte in the high byte.
using Cell = unsigned short;

// Every line of the grid holds this many cells, whatever the logical width.
constexpr int LineWidth = 132;
// The grid's line count and the upper bound of the logical line count.
constexpr int MaxLines = 60;
constexpr int GridCells = MaxLines * LineWidth;

// Counted line text: byte 0 is the length (0 to 132), bytes 1.. the
// characters. Buffers for it hold at least this many bytes.
constexpr int CountedLineSize = LineWidth + 2;

constexpr unsigned char AttrBold = 0x01;
constexpr unsigned char AttrUnderline = 0x02;
constexpr unsigned char AttrBlink = 0x04;
constexpr unsigned char AttrReverse = 0x08;
// Marks selected cells on drawing copies only; never stored in the grid.
constexpr unsigned char AttrSelected = 0x80;

// A space with attribute 0.
constexpr Cell BlankCell = 0x0020;

inline Cell MakeCell(unsigned char ch, unsigned char attr) {
    return static_cast<Cell>((attr << 8) | ch);
}
inline unsigned char CellChar(Cell cell) {
    return static_cast<unsigned char>(cell & 0xFF);
}
inline unsigned char CellAttr(Cell cell) {
    return static_cast<unsigned char>(cell >> 8);
}
