#pragma once

#include "emulator/AnsiCodePage.h"

// The character a cell shows for a character that no cell can hold.
constexpr unsigned char ReplacementGlyph = '?';
// The character that stands for a bad UTF-8 sequence.
constexpr unsigned ReplacementCharacter = 0xFFFD;

// How many cells a character takes and what the first shows; the second
// cell of a wide character is blank.
struct CharacterCells {
    int width; // 0 (a combining mark), 1 or 2
    unsigned char glyph;
};

// The cells for a character from U+00A0 up, in the order the rules are
// tried: none for combining marks and format characters; two (replacement
// and blank) for East Asian wide and fullwidth characters; the byte of the
// Windows character set that stands for exactly this character; the glyph
// of the DEC special graphics set (specialGraphics, 128 glyphs by code) for
// box drawing and the set's other symbols, where the set draws a picture
// for them rather than their plain letter; else one replacement.
CharacterCells CellsFor(unsigned cp, const AnsiCodePage& ansi,
                        const unsigned char* specialGraphics);

// The cells of the characters met last, by code point: a host's text
// repeats few characters, and the rules cost several table searches.
class CellCache {
  public:
    CharacterCells For(unsigned cp, const AnsiCodePage& ansi,
                       const unsigned char* specialGraphics) {
        Entry& e = entries[cp % Size];
        if (e.cp != cp) e = {cp, CellsFor(cp, ansi, specialGraphics)};
        return e.cells;
    }
    // Forgets every character (a new code page).
    void Clear() { *this = CellCache(); }

  private:
    static constexpr int Size = 256;
    struct Entry {
        unsigned cp = 0; // no character below U+00A0 is asked for
        CharacterCells cells = {0, 0};
    };
    Entry entries[Size];
};

// The DEC special graphics code that draws cp, or 0: the nearest line piece
// for box drawing U+2500 to U+257F, and the set's other symbols.
unsigned char SpecialGraphicsCode(unsigned cp);
