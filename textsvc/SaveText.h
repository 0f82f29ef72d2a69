#pragma once

#include "textsvc/SelectedLines.h"

// The text that Save As and Append to write: the selected part of each line,
// lines separated by CR LF, nothing after the last line, converted to the
// file's code page and written in pieces of 512 bytes.

constexpr int SaveBufferSize = 512;

// Where the pieces go, and how they are converted first.
class SaveTarget {
  public:
    virtual ~SaveTarget() = default;
    // Converts count bytes in place to the file's code page.
    virtual void Convert(char* bytes, int count) = 0;
    // Writes count bytes; returns how many were written.
    virtual long Write(const char* bytes, int count) = 0;
};

class SaveWriter : public SelectedLineSink {
  public:
    explicit SaveWriter(SaveTarget& target) : target(target) {}
    // 0 from the line whose bytes a write failed on, and from every line
    // after it.
    int Line(const unsigned char* chars, int count, int last) override;
    // Writes what is left; 1 when every byte reached the file.
    int Finish();

  private:
    int Put(unsigned char byte);
    int Flush();

    SaveTarget& target;
    char buffer[SaveBufferSize];
    int used = 0;
    int failed = 0;
};

// Writes the selection's text to target, in scroll-back mode (the store
// holds history and screen, its cursor at viewTop). 1 when all was written.
int SaveSelectionText(ScreenBuffer& screen, SaveTarget& target);
