#pragma once

#include <cstddef>

class ScreenBuffer;

// The text of the mouse selection, as Copy, Copy Quoted and the selection
// pastes take it: history and screen read as one sequence of lines through
// the scrollback store, trailing blanks left out, lines joined by CR LF, the
// last line without a line end, and each line started with "> " when
// quoted.

// Worst-case bytes per selected line: 132 characters and CR LF, and "> "
// more when quoted.
constexpr int CopyLineBytes = 134;
constexpr int QuotedCopyLineBytes = 136;

// Whether the selection is empty: start and end equal in line and column.
int SelectionEmpty(const ScreenBuffer& screen);

// The block size that holds the selection's text in the worst case, the
// terminating zero included; 0 for an empty selection. Selected lines
// outside the text (history, then the screen unless in scroll-back mode)
// count as the nearest line of text.
std::size_t CopyBlockSize(const ScreenBuffer& screen, int scrollBackMode, int quoted);

// Writes the selection's text, zero-terminated, into out, never more than
// size bytes in all. Outside scroll-back mode the screen is pushed into the
// store for the walk and popped again afterwards; the store's cursor is left
// where it was. Returns the bytes written without the zero, or -1 for an
// empty selection or a block too small to hold even the zero.
long CopySelectionText(ScreenBuffer& screen, int scrollBackMode, int quoted, char* out,
                       std::size_t size);

// Selects everything: from line 0, column 0 to the last line of the
// history followed by the screen, at the logical column count.
void SelectAll(ScreenBuffer& screen, int scrollBackMode);
