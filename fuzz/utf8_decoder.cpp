// Feeds arbitrary bytes to the UTF-8 decoder as the emulator does (a byte
// that cut a sequence short is given again) and checks what it yields: every
// character is a Unicode scalar value whose UTF-8 form is exactly the bytes
// taken for it, a byte given again was not the first of its sequence, and
// valid text decodes to the characters it was made of. Splits across
// receive blocks are the emulator target's to check.
#include "emulator/Utf8Decoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

std::vector<unsigned> Decode(const uint8_t* data, size_t size) {
    Utf8Decoder decoder;
    std::vector<unsigned> characters;
    size_t start = 0; // first byte of the sequence under way
    for (size_t i = 0; i < size;) {
        unsigned cp = 0;
        Utf8Decoder::Result r = decoder.Take(data[i], cp);
        if (r == Utf8Decoder::CutShort) {
            Check(i > start && decoder.Idle());
            start = i;
            continue;
        }
        ++i;
        if (r == Utf8Decoder::Pending) continue;
        if (r == Utf8Decoder::Character) {
            Check(cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF));
            unsigned char form[4];
            int n = EncodeUtf8(cp, form);
            Check(n == static_cast<int>(i - start) && std::memcmp(form, data + start, n) == 0);
            characters.push_back(cp);
        }
        Check(decoder.Idle());
        start = i;
    }
    return characters;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<unsigned> characters = Decode(data, size);
    // The characters found, encoded again, decode to themselves.
    std::vector<uint8_t> text;
    for (unsigned cp : characters) {
        unsigned char form[4];
        text.insert(text.end(), form, form + EncodeUtf8(cp, form));
    }
    Check(Decode(text.data(), text.size()) == characters);
    return 0;
}
