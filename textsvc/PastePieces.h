#pragma once

// The text of a paste or an upload cut into the pieces that go to the send
// queue: at most one line and at most a given number of characters each.
// CR LF and a lone CR end a line and are sent as CR; a lone LF is dropped,
// so that no LF is ever sent; a zero byte ends the data. An upload is read
// from its file 64 bytes at a time, converted from the OEM code page, and
// Ctrl-Z is dropped from it; pasted text is sent as it is, Ctrl-Z included.

// Where an upload's bytes come from.
class UploadSource {
  public:
    virtual ~UploadSource() = default;
    // Reads up to size bytes; the count read, 0 at the end, below 0 on error.
    virtual long Read(char* bytes, int size) = 0;
    // Converts count bytes from the OEM to the ANSI code page in place.
    virtual void OemToAnsi(char* bytes, int count) = 0;
};

class PastePieces {
  public:
    static constexpr int BufferSize = 64;
    // A piece is at most this many characters and its terminating zero.
    static constexpr int MaxPiece = BufferSize - 1;

    // A zero-terminated text (clipboard or selection).
    void StartText(const char* text);
    // A file read through source, which must outlive the paste.
    void StartUpload(UploadSource& source);
    void Stop();
    int Running() const { return text != nullptr || upload != nullptr; }

    // Writes the next piece of at most limit characters (at most MaxPiece),
    // zero-terminated, into piece (limit + 1 bytes); returns its length, 0
    // when the data has ended.
    int NextPiece(char* piece, int limit);

    // Bytes of the source taken so far (read from the file for an upload).
    long long Consumed() const { return consumed; }

  private:
    // The byte at the read position, 0 at the end of the data.
    unsigned char Peek();
    void ReadBuffer();

    const char* text = nullptr;
    UploadSource* upload = nullptr;
    char buffer[BufferSize] = {};
    int position = 0;
    long long consumed = 0;
};

// The Working dialog's line about how far a paste has got: "12,345 of
// 200,000 bytes sent (6%)", or without the total and share when the total
// is unknown (below 1). out holds size bytes and is always terminated.
void FormatPasteProgress(char* out, int size, long long sent, long long total);
