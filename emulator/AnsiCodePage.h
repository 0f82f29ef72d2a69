#pragma once

// The Windows character set that cells and typed characters are in: which
// character each byte from 128 up stands for. The window takes it from the
// system's conversion; the default is Windows-1252, so that the core has one
// without a system.
class AnsiCodePage {
  public:
    // Windows-1252.
    AnsiCodePage();
    // unicode[i] is the character of byte 128 + i, 0 when the byte stands
    // for none. Control codes (below U+00A0) count as none.
    explicit AnsiCodePage(const unsigned short (&unicode)[128]);

    // The character of byte b: b itself below 128, 0 when it has none.
    unsigned ToUnicode(unsigned char b) const;
    // The byte that stands for exactly cp (no look-alike), or -1.
    int FromUnicode(unsigned cp) const;

  private:
    void Take(const unsigned short (&unicode)[128]);

    struct Entry {
        unsigned short cp;
        unsigned char byte;
    };
    unsigned short unicode_[128];
    // The bytes that have a character, sorted by it.
    Entry byCharacter_[128];
    int count_;
};
