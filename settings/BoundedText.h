#pragma once

// Text helpers for the fixed, zero-terminated buffers of the settings and
// the command line. Each takes the buffer's whole size and never writes
// outside it; the result is always terminated when size is at least 1.

// Copies src into out, cut to size - 1 characters; returns the length copied.
int CopyText(char* out, int size, const char* src);

// Appends src to the text already in out, cut to fit; returns the new length.
int AppendText(char* out, int size, const char* src);

// The blanks that the settings file ignores around names and values.
inline bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Removes blanks and tabs from the end of text in place.
void TrimTrailingBlanks(char* text);

// Length of text, or -1 when it does not fit a buffer of size bytes.
int FittingLength(const char* text, int size);

// Upper-cases a zero-terminated text in place. The program passes the
// system's conversion, which is right on every ANSI code page; the native
// build passes UpperCaseAnsi.
using UpperCaser = void (*)(char* text);

// Upper-cases text in place as the Western ANSI code page (1252) does: the
// ASCII letters and the accented letters of the upper half.
void UpperCaseAnsi(char* text);

// The ANSI upper-case form of one byte.
unsigned char UpperAnsi(unsigned char c);
