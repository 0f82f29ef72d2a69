#pragma once

#include "textsvc/FindText.h"

// Case conversions for the find tests: ASCII letters with the Latin-1
// accented letters paired as in the Windows character set, and one where
// several bytes share an upper-case form that maps back to only one of them.
inline CaseMap Latin1Cases() {
    CaseMap cases;
    for (int b = 0; b < 256; ++b) {
        int upper = b;
        int lower = b;
        if (b >= 'a' && b <= 'z') upper = b - 32;
        if (b >= 'A' && b <= 'Z') lower = b + 32;
        if (b >= 0xE0 && b <= 0xFE && b != 0xF7) upper = b - 32;
        if (b >= 0xC0 && b <= 0xDE && b != 0xD7) lower = b + 32;
        cases.upper[b] = static_cast<unsigned char>(upper);
        cases.lower[b] = static_cast<unsigned char>(lower);
    }
    return cases;
}

inline CaseMap SharedUpperCases() {
    CaseMap cases = Latin1Cases();
    cases.upper['x'] = 'A';
    cases.upper['y'] = 'B';
    return cases;
}
