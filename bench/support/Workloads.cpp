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

} // namespace workloads
