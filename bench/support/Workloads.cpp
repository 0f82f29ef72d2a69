#include "Workloads.h"

#include <cstdint>

namespace workloads {
namespace {

// A small linear congruential generator: the same stream on every run.
class Random {
  public:
    unsigned Next(unsigned bound) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % bound;
    }

  private:
    uint32_t state = 12345;
};

void AppendWord(std::string& out, Random& random, unsigned length) {
    for (unsigned i = 0; i < length; i++)
        out += static_cast<char>('a' + random.Next(26));
}

void AppendNumber(std::string& out, unsigned n) {
    out += std::to_string(n);
}

} // namespace

std::string ScrollingText(size_t minBytes) {
    std::string out;
    Random random;
    while (out.size() < minBytes) {
        unsigned length = 20 + random.Next(61);
        for (unsigned i = 0; i < length; i++)
            out += static_cast<char>(' ' + 1 + random.Next(94));
        out += "\r\n";
    }
    return out;
}

std::string DenseSgr(size_t minBytes) {
    static const char* const attributes[] = {"0", "1", "4", "5", "7", "0;1", "1;7", "22;24"};
    std::string out;
    Random random;
    while (out.size() < minBytes) {
        out += "\x1b[";
        AppendNumber(out, 1 + random.Next(24));
        out += ';';
        AppendNumber(out, 1 + random.Next(70));
        out += "H\x1b[";
        out += attributes[random.Next(8)];
        out += 'm';
        AppendWord(out, random, 3 + random.Next(8));
    }
    return out;
}

std::string ScrollingRegion(size_t minBytes) {
    std::string out;
    Random random;
    while (out.size() < minBytes) {
        unsigned top = 1 + random.Next(10);
        unsigned bottom = top + 5 + random.Next(24 - top - 4);
        out += "\x1b[";
        AppendNumber(out, top);
        out += ';';
        AppendNumber(out, bottom);
        out += "r\x1b[";
        AppendNumber(out, top + random.Next(bottom - top));
        out += ";1H\x1b[";
        AppendNumber(out, 1 + random.Next(3));
        out += random.Next(2) ? 'L' : 'M';
        out += "\x1b[";
        AppendNumber(out, bottom);
        out += ";1H";
        for (int i = 0; i < 4; i++) {
            AppendWord(out, random, 10 + random.Next(50));
            out += "\r\n";
        }
    }
    out += "\x1b[r";
    return out;
}

std::string Utf8Text(size_t minBytes) {
    static const char* const accented[] = {"\xC3\xA9",    "\xC3\xBC",     "\xC3\x9F",
                                           "\xC3\xA5",    "\xE2\x80\x9C", "\xE2\x80\x9D",
                                           "\xE2\x80\x93"};
    static const char* const frame[] = {"\xE2\x94\x8C", "\xE2\x94\x80", "\xE2\x94\x90",
                                        "\xE2\x94\x82", "\xE2\x94\x94", "\xE2\x94\x98"};
    std::string out;
    Random random;
    while (out.size() < minBytes) {
        unsigned kind = random.Next(4);
        unsigned width = 20 + random.Next(50);
        if (kind == 0) {
            // A frame's top: corner, a run of horizontal lines, corner.
            out += frame[0];
            for (unsigned i = 0; i < width; i++)
                out += frame[1];
            out += frame[2];
        } else if (kind == 1) {
            out += frame[3];
            AppendWord(out, random, width);
            out += frame[3];
        } else {
            for (unsigned length = 0; length < width; length += 6) {
                AppendWord(out, random, 1 + random.Next(4));
                out += accented[random.Next(7)];
                out += ' ';
            }
        }
        out += "\r\n";
    }
    return out;
}

} // namespace workloads
