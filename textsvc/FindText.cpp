#include "textsvc/FindText.h"

#include <cstring>

#include "screen/Cell.h"
#include "screen/ScrollbackStore.h"

namespace {

// Whether a byte of the line matches a character of the text.
inline bool Matches(int ignoreCase, unsigned char lineChar, unsigned char textChar,
                    const CaseMap& cases) {
    return (ignoreCase ? cases.upper[lineChar] : lineChar) == textChar;
}

} // namespace

int BuildSkipTable(char* text, int ignoreCase, unsigned char* table, const CaseMap& cases) {
    int m = static_cast<int>(strnlen(text, FindTextSize - 1));
    unsigned char* chars = reinterpret_cast<unsigned char*>(text);
    if (ignoreCase)
        for (int j = 0; j < m; ++j)
            chars[j] = cases.upper[cases.lower[chars[j]]];
    // Every byte that some character of the text accepts gets the distance
    // of the last such character; then no shift can pass an occurrence,
    // whatever the case conversion pairs.
    for (int b = 0; b < 256; ++b) {
        table[b] = static_cast<unsigned char>(m);
        for (int j = m - 1; j >= 0; --j) {
            if (Matches(ignoreCase, static_cast<unsigned char>(b), chars[j], cases)) {
                table[b] = static_cast<unsigned char>(m - 1 - j);
                break;
            }
        }
    }
    return m;
}

int SearchLine(int ignoreCase, const char* text, int m, const unsigned char* table,
               const unsigned char* line, int n, const CaseMap& cases) {
    if (m < 1 || n <= m - 1) return -1;
    const unsigned char* chars = reinterpret_cast<const unsigned char*>(text);
    for (int e = m - 1; e < n;) {
        int k = e;
        int j = m - 1;
        while (Matches(ignoreCase, line[k], chars[j], cases)) {
            if (j == 0) return k;
            --k;
            --j;
        }
        // A shift that would not move on follows a partly matched suffix
        // whose characters recur in it: no occurrence ends at e + 1 then.
        int next = k + table[line[k]];
        e = next > e ? next : e + 2;
    }
    return -1;
}

int FindBelowView(ScrollbackStore& store, int viewTop, int lines, FindSettings& find,
                  const CaseMap& cases) {
    int m = BuildSkipTable(find.text, find.ignoreCase, find.skip, cases);
    if (m == 0) return -1;
    store.SaveCursor();
    for (int i = 0; i < lines; ++i)
        store.SkipForward();
    unsigned char text[CountedLineSize];
    for (int line = viewTop + lines; line < store.LineCount(); ++line) {
        if (!store.ReadNextLine(text)) break;
        int n = text[0] > LineWidth ? LineWidth : text[0];
        if (SearchLine(find.ignoreCase, find.text, m, find.skip, text + 1, n, cases) < 0) continue;
        for (int i = 0; i < lines; ++i)
            store.SkipBack();
        return line;
    }
    store.RestoreCursor();
    return -1;
}
