#include "textsvc/MacroNotation.h"

namespace {

constexpr int MaxByteDigits = 3;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// \0 and up to three digits after it: the byte of their value modulo 256.
// Returns the digits consumed.
int DecimalByte(const char* digits, int length, KeyCodeList& codes) {
    int value = 0;
    int used = 0;
    while (used < MaxByteDigits && used < length && IsDigit(digits[used]))
        value = value * 10 + (digits[used++] - '0');
    codes.Add(static_cast<KeyCode>(value % 256));
    return used;
}

void CursorEscape(char final, KeyCodeList& codes) {
    codes.Add(27);
    codes.Add('[');
    codes.Add(static_cast<unsigned char>(final));
}

// The escape whose letter is c; returns the extra bytes consumed after it.
int Escape(char c, const char* rest, int restLength, KeyCodeList& codes) {
    switch (Upper(c)) {
    case 'N': codes.Add(13); break;
    case 'T': codes.Add(9); break;
    case 'U': CursorEscape('A', codes); break;
    case 'D': CursorEscape('B', codes); break;
    case 'R': CursorEscape('C', codes); break;
    case 'L': CursorEscape('D', codes); break;
    case '\\': codes.Add('\\'); break;
    case '0': return DecimalByte(rest, restLength, codes);
    default:
        if (c >= '1' && c <= '9') codes.Add(PauseMarkerFor(c - '0'));
        break;
    }
    return 0;
}

} // namespace

int ExpandMacroItem(const char* text, int length, KeyCodeList& codes) {
    if (length <= 0 || text[0] == 0) return 0;
    if (text[0] != '\\') {
        codes.Add(static_cast<unsigned char>(text[0]));
        return 1;
    }
    // A trailing backslash sends nothing; the end follows it.
    if (length < 2 || text[1] == 0) return 1;
    return 2 + Escape(text[1], text + 2, length - 2, codes);
}

int MacroReader::Next(KeyCodeList& codes) {
    codes = KeyCodeList();
    int used = ExpandMacroItem(definition + position, MacroDefinitionSize - position, codes);
    position += used;
    return used > 0;
}

int ExpandMacro(const char* definition, KeyCode* out, int capacity) {
    MacroReader reader(definition);
    KeyCodeList codes;
    int stored = 0;
    while (reader.Next(codes))
        for (int i = 0; i < codes.Size() && stored < capacity; ++i)
            out[stored++] = codes[i];
    return stored;
}

void PlayMacro(const char* definition, KeyQueue& keys, MacroWindow& window) {
    MacroReader reader(definition);
    KeyCodeList codes;
    while (reader.Next(codes)) {
        for (int i = 0; i < codes.Size(); ++i)
            keys.Enqueue(codes[i]);
        if (!keys.IsEmpty()) keys.PumpKeys();
        window.MarkDataReady();
        window.UpdateWindow();
    }
}
