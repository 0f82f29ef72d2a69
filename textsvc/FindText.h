#pragma once

class ScrollbackStore;

// Find: a Boyer-Moore-Horspool search for a text of at most 64 characters
// in the lines below the history view, case-sensitive or not.

constexpr int FindTextSize = 65;

// The system's case conversion of the character set, one byte at a time.
struct CaseMap {
    unsigned char upper[256];
    unsigned char lower[256];
};

// The search text and mode, kept between searches; after a search in the
// case-insensitive mode the text is in upper case.
struct FindSettings {
    char text[FindTextSize] = {};
    int ignoreCase = 1;
    unsigned char skip[256] = {};
};

// Fills table with the shift for each byte value: the distance from the last
// character of the text that the byte matches to the end of the text (0 for
// the last one), the text's length for the others. Case-insensitive, the
// text is first put in upper case, and a byte matches a character when its
// upper-case form equals it. Returns the text's length.
int BuildSkipTable(char* text, int ignoreCase, unsigned char* table, const CaseMap& cases);

// The index in line (n characters) of the leftmost occurrence of text (m
// characters, m >= 1), or -1.
int SearchLine(int ignoreCase, const char* text, int m, const unsigned char* table,
               const unsigned char* line, int n, const CaseMap& cases);

// Searches the lines below a view of `lines` lines from viewTop, with the
// store's cursor standing at viewTop, for the first that holds the text.
// Found: returns the line and leaves the cursor at the view top that makes
// it the bottom line. Not found (an empty text included): returns -1 with
// the cursor as it was.
int FindBelowView(ScrollbackStore& store, int viewTop, int lines, FindSettings& find,
                  const CaseMap& cases);
