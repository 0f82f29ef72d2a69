#pragma once

// Reads UTF-8 one byte at a time, with a fixed state and no buffer, so a
// character split across receive blocks decodes as if it came whole.
//
// A bad sequence gives one Malformed result: a byte that cannot begin a
// character (a stray continuation byte, 0xF8 to 0xFF), or a whole sequence
// that is an overlong form, a surrogate or beyond U+10FFFF. A sequence cut
// short by a byte that cannot continue it gives CutShort, and that byte is
// not taken: the caller gives it again, so it is never lost.
class Utf8Decoder {
  public:
    enum Result {
        Pending,   // the byte was taken; the character is not complete
        Character, // the byte completed a character (or was ASCII)
        Malformed, // the byte was taken and ended a bad sequence
        CutShort   // the sequence before the byte is bad; the byte was not taken
    };

    Result Take(unsigned char b, unsigned& codePoint);
    // No character is begun.
    int Idle() const { return needed == 0; }
    void Reset() { needed = 0; }

  private:
    Result Begin(unsigned char b, unsigned& codePoint);
    Result Finish(unsigned& codePoint) const;

    unsigned value = 0;
    int needed = 0; // continuation bytes still to come
    int length = 0; // bytes of the sequence begun
};

// Writes the UTF-8 form of cp to out (room for 4 bytes) and returns its
// length; 0 for a surrogate or a value beyond U+10FFFF.
int EncodeUtf8(unsigned cp, unsigned char* out);
