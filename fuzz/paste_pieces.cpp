// Arbitrary text and files cut into paste pieces: no piece is longer than
// its limit or carries a line feed or a zero, a CR only ever ends a piece,
// an upload never sends Ctrl-Z, the pieces always end, and what they hold
// is the source without its line feeds (and Ctrl-Z for a file) up to the
// first zero byte.

#include "textsvc/PastePieces.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// The input's bytes as a file read in portions chosen by the input.
class FuzzFile : public UploadSource {
  public:
    FuzzFile(const std::uint8_t* data, std::size_t size, int portion)
        : data(data), size(size), portion(portion) {}
    long Read(char* out, int room) override {
        if (portion == 0) return -1;
        std::size_t n = std::min(
            {static_cast<std::size_t>(room), static_cast<std::size_t>(portion), size - at});
        std::memcpy(out, data + at, n);
        at += n;
        return static_cast<long>(n);
    }
    void OemToAnsi(char*, int) override {}

  private:
    const std::uint8_t* data;
    std::size_t size;
    int portion;
    std::size_t at = 0;
};

// What the pieces must add up to: the bytes before the first zero of the
// source (of the bytes read, for a file) less the dropped ones.
std::string Expected(const std::string& source, bool upload) {
    std::string out;
    for (char c : source) {
        if (c == 0) break;
        if (c == '\n' || (upload && c == 26)) continue;
        out += c;
    }
    return out;
}

std::string Drain(PastePieces& pieces, int limit, bool upload) {
    std::string all;
    char piece[PastePieces::BufferSize + 1];
    for (;;) {
        std::memset(piece, 0x55, sizeof piece);
        int n = pieces.NextPiece(piece, limit);
        Check(n >= 0 && n <= std::clamp(limit, 1, PastePieces::MaxPiece));
        Check(piece[n] == 0 && piece[PastePieces::BufferSize] == 0x55);
        if (n == 0) return all;
        for (int i = 0; i < n; ++i) {
            Check(piece[i] != '\n' && piece[i] != 0);
            Check(!(upload && piece[i] == 26));
            Check(piece[i] != '\r' || i == n - 1);
        }
        all.append(piece, n);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    int limit = static_cast<signed char>(data[0]);
    int portion = data[1] % 80;
    data += 2;
    size -= 2;
    std::string source(reinterpret_cast<const char*>(data), size);

    PastePieces text;
    text.StartText(source.c_str());
    Check(Drain(text, limit, false) == Expected(source, false));

    FuzzFile file(data, size, portion);
    PastePieces upload;
    upload.StartUpload(file);
    std::string sent = Drain(upload, limit, true);
    // A file ends at its first short read.
    std::size_t whole = portion >= PastePieces::BufferSize
                            ? size
                            : std::min(size, static_cast<std::size_t>(portion));
    Check(sent == Expected(source.substr(0, whole), true));
    return 0;
}
