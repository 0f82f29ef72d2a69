#include "textsvc/PastePieces.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr unsigned char CR = 13;
constexpr unsigned char LF = 10;
constexpr unsigned char CtrlZ = 26;
} // namespace

void PastePieces::StartText(const char* source) {
    Stop();
    text = source;
}

void PastePieces::StartUpload(UploadSource& source) {
    Stop();
    upload = &source;
    position = BufferSize;
}

void PastePieces::Stop() {
    text = nullptr;
    upload = nullptr;
    position = 0;
    consumed = 0;
}

// A short read is followed by a zero byte, which ends the data; an error
// reads as nothing.
void PastePieces::ReadBuffer() {
    long count = upload->Read(buffer, BufferSize);
    int n = static_cast<int>(std::clamp(count, 0L, static_cast<long>(BufferSize)));
    if (n < BufferSize) buffer[n] = 0;
    upload->OemToAnsi(buffer, n);
    consumed += n;
    position = 0;
}

unsigned char PastePieces::Peek() {
    if (text) return static_cast<unsigned char>(*text);
    if (!upload) return 0;
    if (position >= BufferSize) ReadBuffer();
    return static_cast<unsigned char>(buffer[position]);
}

int PastePieces::NextPiece(char* piece, int limit) {
    limit = std::clamp(limit, 1, MaxPiece);
    int length = 0;
    while (length < limit) {
        unsigned char byte = Peek();
        if (byte == 0) break;
        if (text) {
            text += 1;
            consumed += 1;
        } else {
            position += 1;
        }
        if (byte == LF || (byte == CtrlZ && upload)) continue;
        piece[length++] = static_cast<char>(byte);
        if (byte == CR) break;
    }
    piece[length] = 0;
    return length;
}

namespace {

// A count with a comma between groups of three digits.
void Grouped(char* out, int size, long long value) {
    char digits[24];
    int n = std::snprintf(digits, sizeof digits, "%lld", std::max(value, 0LL));
    int at = 0;
    for (int i = 0; i < n && at < size - 1; ++i) {
        if (i > 0 && (n - i) % 3 == 0 && at < size - 1) out[at++] = ',';
        if (at < size - 1) out[at++] = digits[i];
    }
    out[at] = 0;
}

} // namespace

void FormatPasteProgress(char* out, int size, long long sent, long long total) {
    if (!out || size <= 0) return;
    char done[32], all[32];
    Grouped(done, sizeof done, sent);
    if (total < 1) {
        std::snprintf(out, size, "%s bytes sent", done);
        return;
    }
    Grouped(all, sizeof all, total);
    long long share = std::clamp(sent, 0LL, total) * 100 / total;
    std::snprintf(out, size, "%s of %s bytes sent (%lld%%)", done, all, share);
}
