#include "emulator/CharacterCells.h"

#include "emulator/UnicodeTables.h"

#include <algorithm>
#include <iterator>

namespace {

struct Symbol {
    unsigned cp;
    unsigned char code;
};

// The DEC special graphics set's characters other than the line pieces,
// sorted by code point.
const Symbol SpecialSymbols[] = {
    {0x00A3, '}'}, // pound sign
    {0x00B0, 'f'}, // degree sign
    {0x00B1, 'g'}, // plus-minus
    {0x00B7, '~'}, // middle dot
    {0x03C0, '{'}, // pi
    {0x2260, '|'}, // not equal
    {0x2264, 'y'}, // less than or equal
    {0x2265, 'z'}, // greater than or equal
    {0x23BA, 'o'}, // scan line 1
    {0x23BB, 'p'}, // scan line 3
    {0x23BC, 'r'}, // scan line 7
    {0x23BD, 's'}, // scan line 9
    {0x2409, 'b'}, // HT
    {0x240A, 'e'}, // LF
    {0x240B, 'i'}, // VT
    {0x240C, 'c'}, // FF
    {0x240D, 'd'}, // CR
    {0x2424, 'h'}, // NL
    {0x2592, 'a'}, // checkerboard
    {0x25C6, '`'}, // diamond
};

bool InRanges(const CodeRange* ranges, int count, unsigned cp) {
    if (count == 0 || cp < ranges[0].first || cp > ranges[count - 1].last) return false;
    const CodeRange* end = ranges + count;
    const CodeRange* at = std::lower_bound(
        ranges, end, cp, [](const CodeRange& r, unsigned c) { return r.last < c; });
    return at != end && at->first <= cp;
}

} // namespace

unsigned char SpecialGraphicsCode(unsigned cp) {
    if (cp >= 0x2500 && cp <= 0x257F) {
        char piece = BoxDrawingPieces[cp - 0x2500];
        return piece == ' ' ? 0 : static_cast<unsigned char>(piece);
    }
    const Symbol* end = std::end(SpecialSymbols);
    const Symbol* at = std::lower_bound(std::begin(SpecialSymbols), end, cp,
                                        [](const Symbol& s, unsigned c) { return s.cp < c; });
    return at != end && at->cp == cp ? at->code : 0;
}

CharacterCells CellsFor(unsigned cp, const AnsiCodePage& ansi,
                        const unsigned char* specialGraphics) {
    if (InRanges(ZeroWidthRanges, ZeroWidthRangeCount, cp)) return {0, 0};
    if (InRanges(WideRanges, WideRangeCount, cp)) return {2, ReplacementGlyph};
    int byte = ansi.FromUnicode(cp);
    if (byte >= 0) return {1, static_cast<unsigned char>(byte)};
    // A symbol the set shows only as its plain letter would read as that
    // letter; it gets the replacement.
    unsigned char code = SpecialGraphicsCode(cp);
    if (code && specialGraphics[code] != code) return {1, specialGraphics[code]};
    return {1, ReplacementGlyph};
}
