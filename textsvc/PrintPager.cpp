#include "textsvc/PrintPager.h"

// A font taller than the page still prints one line a page, and a font of
// no height still moves down the page.
void PrintPager::Start(int pageHeight, int charHeight, int externalLeading) {
    lineHeight = charHeight + externalLeading;
    if (lineHeight < 1) lineHeight = 1;
    linesPerPage = pageHeight / lineHeight - 1;
    if (linesPerPage < 1) linesPerPage = 1;
    currentLine = 1;
}

int PrintPager::LinePrinted() {
    currentLine += 1;
    if (currentLine <= linesPerPage) return 0;
    currentLine = 1;
    return 1;
}
