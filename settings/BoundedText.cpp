#include "settings/BoundedText.h"

int CopyText(char* out, int size, const char* src) {
    if (size <= 0) return 0;
    out[0] = 0;
    return AppendText(out, size, src);
}

int AppendText(char* out, int size, const char* src) {
    if (size <= 0) return 0;
    int n = 0;
    while (n < size - 1 && out[n])
        ++n;
    out[n] = 0;
    for (int i = 0; src && src[i] && n < size - 1; ++i)
        out[n++] = src[i];
    out[n] = 0;
    return n;
}

void TrimTrailingBlanks(char* text) {
    int n = 0;
    while (text[n])
        ++n;
    while (n > 0 && IsBlank(text[n - 1]))
        text[--n] = 0;
}

int FittingLength(const char* text, int size) {
    int n = 0;
    while (n < size && text[n])
        ++n;
    return n < size ? n : -1;
}

unsigned char UpperAnsi(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xe0 && c <= 0xfe && c != 0xf7) return c - 32; // a-grave .. thorn
    switch (c) {
    case 0x9a: return 0x8a; // s-caron
    case 0x9c: return 0x8c; // ligature oe
    case 0x9e: return 0x8e; // z-caron
    case 0xff: return 0x9f; // y-diaeresis
    default: return c;
    }
}

void UpperCaseAnsi(char* text) {
    for (; *text; ++text)
        *text = static_cast<char>(UpperAnsi(static_cast<unsigned char>(*text)));
}
