// The find's line search over arbitrary texts, lines, modes and case
// conversions: the index it gives is always that of a plain search, and
// nothing is read outside the line.

#include "textsvc/FindText.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

int PlainSearch(int ignoreCase, const unsigned char* text, int m, const unsigned char* line, int n,
                const CaseMap& cases) {
    for (int at = 0; at + m <= n; ++at) {
        int j = 0;
        while (j < m && (ignoreCase ? cases.upper[line[at + j]] : line[at + j]) == text[j])
            ++j;
        if (j == m) return at;
    }
    return -1;
}

// Input: a mode byte, a text length byte, a case conversion byte, then the
// text and the line. Case conversions: ASCII, or one folding the bytes into
// a small alphabet so that several bytes share an upper-case form.
CaseMap MakeCases(int kind) {
    CaseMap cases;
    for (int b = 0; b < 256; ++b) {
        cases.upper[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 32 : b);
        cases.lower[b] = static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b + 32 : b);
        if (kind % 2) cases.upper[b] = static_cast<unsigned char>('A' + (b * (kind | 1)) % 5);
    }
    return cases;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    int ignoreCase = data[0] & 1;
    std::size_t m = data[1] % FindTextSize;
    CaseMap cases = MakeCases(data[2]);
    data += 3;
    size -= 3;
    if (m > size) m = size;
    char text[FindTextSize] = {};
    std::memcpy(text, data, m);
    std::size_t n = size - m;
    if (n > 132) n = 132;
    // The line in a buffer of its own length, so that any read past it is
    // caught.
    std::vector<unsigned char> line(data + m, data + m + n);
    unsigned char table[256];
    int length = BuildSkipTable(text, ignoreCase, table, cases);
    Check(length == static_cast<int>(std::strlen(text)));
    if (length == 0) return 0;
    int found =
        SearchLine(ignoreCase, text, length, table, line.data(), static_cast<int>(n), cases);
    int expected = PlainSearch(ignoreCase, reinterpret_cast<const unsigned char*>(text), length,
                               line.data(), static_cast<int>(n), cases);
    Check(found == expected);
    return 0;
}
