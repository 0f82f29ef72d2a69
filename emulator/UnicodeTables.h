#pragma once

// Tables of the Unicode character database (emulator/UnicodeTables.cpp,
// written by tools/unicode_tables.py), each sorted by code point.
struct CodeRange {
    unsigned first;
    unsigned last;
};

// East Asian wide and fullwidth characters: two columns.
extern const CodeRange WideRanges[];
extern const int WideRangeCount;

// Combining marks, format characters and Hangul medial and final jamo:
// no column.
extern const CodeRange ZeroWidthRanges[];
extern const int ZeroWidthRangeCount;

// The DEC line-drawing code (j k l m n q t u v w x) nearest to each
// character of the box-drawing block U+2500 to U+257F; a space where none is
// near (the diagonals).
extern const char BoxDrawingPieces[129];
