#include "emulator/Emulator.h"
#include "screen/ScreenBuffer.h"

namespace {

constexpr unsigned char BEL = 7;
constexpr unsigned char BS = 8;
constexpr unsigned char HT = 9;
constexpr unsigned char LF = 10;
constexpr unsigned char VT = 11;
constexpr unsigned char FF = 12;
constexpr unsigned char CR = 13;
constexpr unsigned char SO = 14;
constexpr unsigned char SI = 15;

} // namespace

void Emulator::ExecuteControl(unsigned char b) {
    if (printerController) return; // the data goes to the printer, and there is none
    if (b >= 32) {
        WriteGraphic(charsets.displayTable[b]);
        return;
    }
    switch (b) {
    case BEL: host_->Beep(); break;
    case BS: Backspace(Width()); break;
    case HT: HorizontalTab(); break;
    case LF: LineFeed(); break;
    case VT: LineFeed(); break;
    case FF: LineFeed(); break;
    case CR: cursorCol = 0; break;
    case SO: charsets.InvokeGL(1); break;
    case SI: charsets.InvokeGL(0); break;
    default: break;
    }
}

// A character on a double-width line takes two cells, the second a space.
// The width is that of the line the character lands on, after any wrap.
void Emulator::WriteGraphic(unsigned char glyph) {
    ResolvePendingWrap(Width());
    int w = Width();
    if (insertMode) screen_.InsertChars(cursorRow, cursorCol, w);
    screen_.PutChar(glyph, static_cast<unsigned char>(attribute), cursorRow, cursorCol);
    ++cursorCol;
    if (w == 2 && cursorCol < Columns()) {
        screen_.PutChar(' ', static_cast<unsigned char>(attribute), cursorRow, cursorCol);
        ++cursorCol;
    }
}

// The cursor stands past the last column after filling a line; the wrap
// happens only when the next character arrives.
void Emulator::ResolvePendingWrap(int w) {
    if (cursorCol < Columns()) return;
    if (autowrap) {
        cursorCol = 0;
        Index();
    } else {
        cursorCol = LastColumn(w);
    }
}

// The first cell of the last character that fits a line of width w.
int Emulator::LastColumn(int w) const {
    return (Columns() - 1) / w * w;
}

// A cursor waiting to wrap is shown, saved and reported on the last column.
int Emulator::CursorColumn() const {
    return cursorCol < Columns() ? cursorCol : LastColumn(Width());
}

// As a DEC terminal's, a cursor waiting to wrap moves, erases and edits from
// the last column, and no longer waits; only a graphic character wraps.
void Emulator::StandOnLastColumn() {
    cursorCol = CursorColumn();
}

void Emulator::Backspace(int w) {
    StandOnLastColumn();
    if (cursorCol <= 0) return;
    cursorCol -= w;
    if (cursorCol < 0) cursorCol = 0;
}

// Stops at the next tab stop or at the last column.
void Emulator::HorizontalTab() {
    StandOnLastColumn();
    int last = Columns() - 1;
    if (cursorCol >= last) return;
    do
        ++cursorCol;
    while (!tabStops[cursorCol] && cursorCol < last);
}

void Emulator::LineFeed() {
    if (newlineMode) cursorCol = 0;
    Index();
}

void Emulator::WriteTty(const unsigned char* bytes, int length) {
    for (int i = 0; i < length; ++i) {
        unsigned char b = bytes[i];
        if (b >= 32) {
            WriteTtyGraphic(charsets.displayTable[b]);
            continue;
        }
        switch (b) {
        case BEL: host_->Beep(); break;
        case BS: Backspace(1); break;
        case HT: HorizontalTab(); break;
        case LF: LineFeed(); break;
        case VT: LineFeed(); break;
        case FF: LineFeed(); break;
        case CR: cursorCol = 0; break;
        default: break;
        }
    }
}

// The teletype's pending wrap is that of a single-width line.
void Emulator::WriteTtyGraphic(unsigned char glyph) {
    ResolvePendingWrap(1);
    screen_.PutChar(glyph, static_cast<unsigned char>(attribute), cursorRow, cursorCol);
    ++cursorCol;
}

// Every byte shows literally; controls in caret notation. Only a line feed
// also starts a new line.
void Emulator::WriteMonitor(const unsigned char* bytes, int length) {
    for (int i = 0; i < length; ++i) {
        unsigned char b = bytes[i];
        if (b == '^') {
            ShowMonitorChar('^');
            ShowMonitorChar('^');
        } else if (b < 32 || (b >= 128 && b <= 159)) {
            ShowMonitorChar('^');
            ShowMonitorChar(static_cast<unsigned char>(b + 64));
        } else {
            ShowMonitorChar(b);
        }
        if (b == LF) {
            cursorCol = 0;
            Index();
        }
    }
}

// Monitor mode always wraps and shows characters untranslated, unattributed.
void Emulator::ShowMonitorChar(unsigned char c) {
    if (cursorCol >= Columns()) {
        cursorCol = 0;
        Index();
    }
    screen_.PutChar(c, 0, cursorRow, cursorCol);
    ++cursorCol;
}
