#include "emulator/Utf8Decoder.h"

namespace {

// The smallest value each length may carry; below it the form is overlong.
const unsigned LeastValue[5] = {0, 0, 0x80, 0x800, 0x10000};
// The marker bits of the first byte for each length.
const unsigned char LeadBits[5] = {0, 0, 0xC0, 0xE0, 0xF0};

int IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

} // namespace

Utf8Decoder::Result Utf8Decoder::Take(unsigned char b, unsigned& codePoint) {
    if (needed == 0) return Begin(b, codePoint);
    if (!IsContinuation(b)) {
        needed = 0;
        return CutShort;
    }
    value = value << 6 | (b & 0x3F);
    if (--needed > 0) return Pending;
    return Finish(codePoint);
}

// The lead bytes C0 and C1 (always overlong) and F5 to F7 (always beyond
// U+10FFFF) begin a sequence like the others, so that the whole of it is
// one bad sequence.
Utf8Decoder::Result Utf8Decoder::Begin(unsigned char b, unsigned& codePoint) {
    if (b < 0x80) {
        codePoint = b;
        return Character;
    }
    if (b < 0xC0 || b >= 0xF8) return Malformed;
    length = b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    value = b & (0x7F >> length);
    needed = length - 1;
    return Pending;
}

Utf8Decoder::Result Utf8Decoder::Finish(unsigned& codePoint) const {
    if (value < LeastValue[length] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
        return Malformed;
    codePoint = value;
    return Character;
}

int EncodeUtf8(unsigned cp, unsigned char* out) {
    if (cp < 0x80) {
        out[0] = static_cast<unsigned char>(cp);
        return 1;
    }
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return 0;
    int length = cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
    for (int i = length - 1; i > 0; --i) {
        out[i] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        cp >>= 6;
    }
    out[0] = static_cast<unsigned char>(LeadBits[length] | cp);
    return length;
}
