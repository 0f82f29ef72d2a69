#pragma once

// How vtreplay writes what the emulator left behind: the scrollback, the
// screen, the cursor, the attributes, and the replies sent to the host.

#include "emulator/Emulator.h"
#include "emulator/EmulatorHost.h"
#include "screen/ScreenBuffer.h"

#include <cstdio>
#include <string>

namespace replay {

// A reply made readable on one line: ESC as \e, other bytes below 32 or
// above 126 as \xHH.
inline std::string EscapeReply(const char* bytes, int length) {
    std::string out;
    for (int i = 0; i < length; ++i) {
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        char hex[8];
        if (b == 27) {
            out += "\\e";
        } else if (b < 32 || b > 126) {
            std::snprintf(hex, sizeof hex, "\\x%02x", b);
            out += hex;
        } else {
            out += static_cast<char>(b);
        }
    }
    return out;
}

// Writes every reply to standard error as it is sent.
class ReplyPrinter : public EmulatorHost {
  public:
    void SendReply(const char* text, int length) override {
        std::fprintf(stderr, "%s\n", EscapeReply(text, length).c_str());
    }
};

// Writes line characters as stored, except that a control code (below 32, or
// 127), which would break the line structure, is written as \xHH.
inline void WriteChars(std::FILE* out, const unsigned char* chars, int length) {
    for (int i = 0; i < length; ++i) {
        if (chars[i] < 32 || chars[i] == 127)
            std::fprintf(out, "\\x%02x", chars[i]);
        else
            std::fputc(chars[i], out);
    }
    std::fputc('\n', out);
}

// Every history line, oldest first.
inline void WriteScrollback(std::FILE* out, ScrollbackStore& store) {
    store.SeekEnd();
    while (store.SkipBack()) {
    }
    unsigned char text[CountedLineSize];
    while (store.ReadNextLine(text))
        WriteChars(out, text + 1, text[0]);
}

// One line per row: its first `columns` cells, trailing blanks removed.
inline void WriteScreen(std::FILE* out, const ScreenBuffer& screen) {
    std::fprintf(out, "--- screen ---\n");
    for (int row = 0; row < screen.lines; ++row) {
        const Cell* cells = screen.RowCells(row);
        unsigned char chars[LineWidth];
        int length = 0;
        for (int col = 0; col < screen.columns; ++col) {
            chars[col] = CellChar(cells[col]);
            if (chars[col] != ' ') length = col + 1;
        }
        WriteChars(out, chars, length);
    }
}

inline void WriteAttributes(std::FILE* out, const ScreenBuffer& screen) {
    std::fprintf(out, "--- attrs ---\n");
    for (int row = 0; row < screen.lines; ++row) {
        const Cell* cells = screen.RowCells(row);
        for (int col = 0; col < screen.columns; ++col)
            std::fprintf(out, col ? " %02x" : "%02x", CellAttr(cells[col]));
        std::fputc('\n', out);
    }
}

inline void WriteResult(std::FILE* out, Emulator& emulator, ScreenBuffer& screen, int attrs) {
    WriteScrollback(out, screen.store);
    WriteScreen(out, screen);
    std::fprintf(out, "--- cursor %d %d ---\n", emulator.CursorRow(), emulator.CursorCol());
    if (attrs) WriteAttributes(out, screen);
}

} // namespace replay
