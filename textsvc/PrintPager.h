#pragma once

// Where printed lines go on the page: one line per printed line, from one
// line height below the top, a new page when the page is full.
class PrintPager {
  public:
    // The page's height and the printer font's height and external leading,
    // in device units.
    void Start(int pageHeight, int charHeight, int externalLeading);
    // The top of the next line on the current page.
    int NextLineTop() const { return currentLine * lineHeight; }
    // Counts a printed line; 1 when it filled the page, which is then to be
    // ejected (the next line starts a new page).
    int LinePrinted();
    // The next line starts a new page.
    void NewPage() { currentLine = 1; }
    int LinesPerPage() const { return linesPerPage; }
    int LineHeight() const { return lineHeight; }

  private:
    int lineHeight = 1;
    int linesPerPage = 1;
    int currentLine = 1;
};
