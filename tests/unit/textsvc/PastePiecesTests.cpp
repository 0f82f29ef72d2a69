#include "textsvc/PastePieces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Pieces(PastePieces& pieces, int limit = PastePieces::MaxPiece) {
    std::vector<std::string> out;
    char piece[PastePieces::BufferSize];
    for (int guard = 0; guard < 10000; ++guard) {
        std::memset(piece, '#', sizeof piece);
        int n = pieces.NextPiece(piece, limit);
        EXPECT_EQ(piece[n], 0);
        if (n == 0) return out;
        EXPECT_LE(n, std::clamp(limit, 1, int(PastePieces::MaxPiece)));
        out.emplace_back(piece, n);
    }
    ADD_FAILURE() << "the pieces never end";
    return out;
}

std::vector<std::string> TextPieces(const std::string& text, int limit = PastePieces::MaxPiece) {
    PastePieces pieces;
    pieces.StartText(text.c_str());
    return Pieces(pieces, limit);
}

using List = std::vector<std::string>;

TEST(PastePiecesTest, TextIsCutAtLineEndsAndTheLimit) {
    std::string hundred(100, 'x');
    struct Case {
        std::string text;
        List want;
    } cases[] = {
        {"abc\r\ndef", {"abc\r", "def"}},
        {"abc\rdef\r", {"abc\r", "def\r"}}, // a lone CR is sent
        {"abc\ndef\n", {"abcdef"}},         // a lone LF vanishes
        {"\r\n\r\n", {"\r", "\r"}},
        {hundred + "\r\n", {std::string(63, 'x'), std::string(37, 'x') + "\r"}},
        {"a\x1A"
         "b",
         {"a\x1A"
          "b"}}, // Ctrl-Z is text in a paste
        {"", {}},
        {"\n\n\n", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextPieces(c.text), c.want) << c.text;
    EXPECT_EQ(TextPieces("abcdefg\r", 3), (List{"abc", "def", "g\r"}));
    for (int limit : {0, 1})
        EXPECT_EQ(TextPieces("ab\r", limit), (List{"a", "b", "\r"}));
    EXPECT_EQ(TextPieces(hundred, 100), (List{std::string(63, 'x'), std::string(37, 'x')}));
}

TEST(PastePiecesTest, ZeroByteEndsTextAndStays) {
    const char text[] = "ab\0cd";
    PastePieces pieces;
    pieces.StartText(text);
    EXPECT_EQ(Pieces(pieces), List{"ab"});
    char piece[PastePieces::BufferSize];
    EXPECT_EQ(pieces.NextPiece(piece, 63), 0);
    EXPECT_EQ(pieces.Consumed(), 2);
}

// A file in memory, read in portions of the sizes given (the last size
// repeats); an error after errorAfter bytes; OEM 0x84 is ANSI 0xE4.
class FakeFile : public UploadSource {
  public:
    FakeFile(std::string bytes, std::vector<int> portions = {64}, long errorAfter = -1)
        : bytes(std::move(bytes)), portions(std::move(portions)), errorAfter(errorAfter) {}
    long Read(char* out, int size) override {
        if (errorAfter >= 0 && at >= static_cast<std::size_t>(errorAfter)) return -1;
        int want = portions[std::min(reads++, portions.size() - 1)];
        std::size_t n = std::min<std::size_t>(
            {static_cast<std::size_t>(size), static_cast<std::size_t>(want), bytes.size() - at});
        std::memcpy(out, bytes.data() + at, n);
        at += n;
        return static_cast<long>(n);
    }
    void OemToAnsi(char* b, int count) override {
        for (int i = 0; i < count; ++i)
            if (static_cast<unsigned char>(b[i]) == 0x84) b[i] = static_cast<char>(0xE4);
    }
    std::string bytes;
    std::vector<int> portions;
    long errorAfter;
    std::size_t at = 0;
    std::size_t reads = 0;
};

List UploadPieces(FakeFile& file) {
    PastePieces pieces;
    pieces.StartUpload(file);
    return Pieces(pieces);
}

TEST(PastePiecesTest, UploadDropsCtrlZAndLineFeedsAndConvertsFromOem) {
    std::string lf(100, 'y');
    struct Case {
        std::string file;
        List want;
    } cases[] = {
        {"one\r\ntwo\r\n\x1A", {"one\r", "two\r"}},
        {"a\x84"
         "b\r\n",
         {"a\xE4"
          "b\r"}},
        {lf.substr(0, 50) + "\n" + lf.substr(50) + "\n",
         {std::string(63, 'y'), std::string(37, 'y')}},
        {std::string("ab\0cd\r", 6), {"ab"}}, // a zero byte ends the upload
        {std::string(64, 'z') + "\r\n",
         {std::string(63, 'z'), "z\r"}}, // exactly one buffer, then more
        {"", {}},
    };
    for (Case& c : cases) {
        FakeFile file(c.file);
        EXPECT_EQ(UploadPieces(file), c.want) << c.file;
    }
}

TEST(PastePiecesTest, UploadNeedsFullBuffersToGoOn) {
    // A short read is taken as the end of the file, as the zero after it says.
    FakeFile shortRead(std::string(100, 'q'), {10, 64});
    EXPECT_EQ(UploadPieces(shortRead), List{std::string(10, 'q')});
    // A read error ends the upload as at the end of the file.
    FakeFile failing(std::string(200, 'e'), {64}, 128);
    List got = UploadPieces(failing);
    std::string joined;
    for (const std::string& p : got)
        joined += p;
    EXPECT_EQ(joined, std::string(128, 'e'));
}

TEST(PastePiecesTest, StopEndsTheSourceAndCountsStartAgain) {
    FakeFile file(std::string(300, 'r'));
    PastePieces pieces;
    pieces.StartUpload(file);
    char piece[PastePieces::BufferSize];
    EXPECT_EQ(pieces.NextPiece(piece, 63), 63);
    EXPECT_EQ(pieces.Consumed(), 64);
    EXPECT_TRUE(pieces.Running());
    pieces.Stop();
    EXPECT_FALSE(pieces.Running());
    EXPECT_EQ(pieces.Consumed(), 0);
    EXPECT_EQ(pieces.NextPiece(piece, 63), 0);

    // A new source replaces the one running, whichever kind each is.
    pieces.StartText("text");
    pieces.StartUpload(file);
    EXPECT_EQ(pieces.NextPiece(piece, 3), 3);
    EXPECT_EQ(std::string(piece), "rrr");
    pieces.StartText("ab");
    EXPECT_EQ(pieces.NextPiece(piece, 63), 2);
    EXPECT_EQ(pieces.Consumed(), 2);
    pieces.StartText("text");
    pieces.Stop();
    EXPECT_EQ(pieces.NextPiece(piece, 63), 0);
}

TEST(PasteProgressTest, SaysHowFarThePasteHasGot) {
    struct Case {
        long long sent, total;
        const char* want;
    } cases[] = {
        {0, 200000, "0 of 200,000 bytes sent (0%)"},
        {12345, 200000, "12,345 of 200,000 bytes sent (6%)"},
        {52428800, 52428800, "52,428,800 of 52,428,800 bytes sent (100%)"},
        {999, 0, "999 bytes sent"},
        {1234, 0, "1,234 bytes sent"},
        {70, 64, "70 of 64 bytes sent (100%)"}, // a file that grew while it was read
        {1, 1, "1 of 1 bytes sent (100%)"},
        {0, 50, "0 of 50 bytes sent (0%)"},
    };
    for (const Case& c : cases) {
        char out[64];
        FormatPasteProgress(out, sizeof out, c.sent, c.total);
        EXPECT_STREQ(out, c.want);
    }
    char small[8];
    FormatPasteProgress(small, sizeof small, 123456789, 999999999);
    EXPECT_EQ(std::strlen(small), 7u);
}

} // namespace
