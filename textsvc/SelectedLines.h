#pragma once

class ScreenBuffer;

// The selected part of each line of the selection, read through the
// scrollback store while it holds history and screen as one sequence
// (scroll-back mode, or the screen pushed into the store) with its cursor
// at viewTop. Copy, save and print all take their text from here.

class SelectedLineSink {
  public:
    virtual ~SelectedLineSink() = default;
    // The selected characters of one line (trailing blanks of the line
    // left out), and whether it is the selection's last line. Returns 0 to
    // stop the walk.
    virtual int Line(const unsigned char* chars, int count, int last) = 0;
};

// The selection's lines, start before end however it was made, held to
// the store's lines.
struct SelectionRange {
    int startLine;
    int startCol;
    int endLine;
    int endCol;
};
SelectionRange OrderedSelection(const ScreenBuffer& screen, int lineCount);

// Hands every selected line to sink, in order, until it asks to stop; the
// store's cursor is left where it was. Returns 0 when the sink stopped.
int WalkSelectedLines(ScreenBuffer& screen, SelectedLineSink& sink);
