#include "emulator/CharacterCells.h"
#include "emulator/Emulator.h"
#include "screen/ScreenBuffer.h"

namespace {

constexpr unsigned char ESC = 27;
// Ends a sequence in progress as a final character that no action takes.
constexpr unsigned char NoFinal = 0xFF;

int AsciiRun(const unsigned char* bytes, int length) {
    int n = 0;
    while (n < length && bytes[n] < 0x80)
        ++n;
    return n;
}

} // namespace

// In UTF-8 mode the received bytes pass a UTF-8 decoder before the parser.
// ASCII goes to the parser as it is, so sequences and C0 controls act as
// without the mode; the VT52 cursor address takes its two bytes raw.
void Emulator::DecodeUtf8(const unsigned char* bytes, int length) {
    int i = 0;
    while (i < length) {
        if (utf8Decoder.Idle()) {
            if (emulation != Tty && (parserState == Vt52Row || parserState == Vt52Column)) {
                ParseByte(bytes[i++]);
                continue;
            }
            int n = AsciiRun(bytes + i, length - i);
            if (n > 0) {
                if (emulation == Tty)
                    WriteTty(bytes + i, n);
                else
                    ParseVt(bytes + i, n);
                i += n;
                continue;
            }
        }
        unsigned cp = 0;
        switch (utf8Decoder.Take(bytes[i], cp)) {
        case Utf8Decoder::Pending: ++i; break;
        case Utf8Decoder::Character:
            ++i;
            WriteCharacter(cp);
            break;
        case Utf8Decoder::Malformed:
            ++i;
            WriteCharacter(ReplacementCharacter);
            break;
        case Utf8Decoder::CutShort: WriteCharacter(ReplacementCharacter); break;
        }
    }
}

// A decoded character from U+0080 up. U+0080 to U+009F act as the 8-bit
// controls do in VT200 emulation (the teletype ignores them); inside a
// sequence a character ends it without effect.
void Emulator::WriteCharacter(unsigned cp) {
    if (emulation == Tty) {
        if (cp >= 0xA0) WriteCells(CellsOf(cp));
        return;
    }
    if (cp < 0xA0) {
        if (printerController) {
            ParseByte(static_cast<unsigned char>(cp));
        } else {
            ParseByte(ESC);
            ParseByte(static_cast<unsigned char>(cp - 64));
        }
        return;
    }
    if (parserState != Ground || printerController) {
        ParseByte(NoFinal);
        return;
    }
    WriteCells(CellsOf(cp));
    if (singleShift) EndSingleShift();
}

CharacterCells Emulator::CellsOf(unsigned cp) {
    return cellCache.For(cp, ansiCodePage, charsets.glyphSets[CharsetState::SpecialGraphics]);
}

// A wide character takes its two cells on one line, so that the cursor
// stands where the host counts it; the second cell is blank.
void Emulator::WriteCells(const CharacterCells& cells) {
    if (cells.width == 2) FitWideCharacter();
    for (int i = 0; i < cells.width; ++i) {
        unsigned char glyph = i == 0 ? cells.glyph : ' ';
        if (emulation == Tty)
            WriteTtyGraphic(glyph);
        else
            WriteGraphic(glyph);
    }
}

// On the last column a wide character waits to wrap to the next line, or
// without autowrap takes the last two columns.
void Emulator::FitWideCharacter() {
    int w = emulation == Tty ? 1 : Width();
    if (w != 1 || cursorCol != Columns() - 1) return;
    cursorCol = autowrap ? Columns() : Columns() - 2;
}

// What the user sends (typed, pasted, uploaded, played by a macro) is in the
// Windows character set: without the mode it goes through the key table, in
// the mode characters from 128 up go as UTF-8 and a byte that stands for no
// character is not sent.
int Emulator::EncodeSent(unsigned char c, unsigned char* out) const {
    if (!utf8) {
        out[0] = charsets.keyTable[c];
        return 1;
    }
    unsigned cp = ansiCodePage.ToUnicode(c);
    return cp || c == 0 ? EncodeUtf8(cp, out) : 0;
}
