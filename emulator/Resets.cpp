#include "emulator/Emulator.h"
#include "screen/ScreenBuffer.h"

int Emulator::ScreenColumns() const {
    return screen_.columns < 3 ? 3 : screen_.columns > LineWidth ? LineWidth : screen_.columns;
}

int Emulator::ScreenLines() const {
    return screen_.lines < 3 ? 3 : screen_.lines > MaxLines ? MaxLines : screen_.lines;
}

// Modes, character sets and geometry return to their start; the screen, the
// cursor, autowrap, newline mode and local echo stay.
void Emulator::ResetTerminal() {
    attribute = 0;
    parserState = Ground;
    // A single shift pending from before the reset would otherwise bring
    // back the character sets of before the reset.
    singleShift = 0;
    utf8Decoder.Reset();
    charsets.ResetCharsets(nationalSet, EightBitCharsets());
    keypadMode = 0;
    cursorKeyMode = 0;
    monitorMode = 0;
    ResetGeometry();
    if (emulation == Vt100 || emulation == Vt200) {
        ansiMode = 1;
        autoPrint = 0;
        printerController = 0;
        printExtent = 1;
        printFormFeed = 1;
        originMode = 0;
        insertMode = 0;
    }
}

// RIS: a reset with the cursor at home; the screen is not cleared.
void Emulator::FullReset() {
    ResetTerminal();
    CursorHome();
}

// Tab stops every 8 columns; stops beyond the logical width keep their flags.
void Emulator::ResetGeometry() {
    geometryLines = ScreenLines();
    geometryColumns = ScreenColumns();
    scrollTop = 0;
    scrollBottom = Lines() - 1;
    for (int c = 0; c < Columns(); ++c)
        tabStops[c] = c % 8 == 0;
    ResetLineWidths(0, MaxLines - 1);
    savedRow = savedCol = -1;
    if (cursorRow > scrollBottom) cursorRow = scrollBottom;
    if (cursorCol > Columns() - 1) cursorCol = Columns() - 1;
    host_->UpdateSizeItem();
}

// The screen goes to history and is cleared; margins and tab stops stay for
// the window's layout to reset when it takes the new width.
void Emulator::SetColumns(int c) {
    screen_.SaveScreenToHistory();
    host_->SetSoftSize(0);
    screen_.columns = c < 3 ? 3 : c > LineWidth ? LineWidth : c;
    geometryColumns = screen_.columns;
    screen_.FillCells(' ', 0, 0, 0, Lines() * LineWidth);
    CursorHome();
    ResetLineWidths(0, MaxLines - 1);
    host_->ShowColumnsChanged();
}

// VT52 mode works in 7 bits with the Finnish set in G0 and the special
// graphics in G1; leaving it brings back the options of before. Entering it
// again while in it keeps the options saved at the first entry.
void Emulator::SetAnsiMode(int mode) {
    if (mode == ansiMode) return;
    if (mode == 0) {
        vt52SavedNational = nationalSet;
        vt52SavedMultinational = multinational;
        ansiMode = 0;
        multinational = 0;
        nationalSet = CharsetState::Finnish;
        charsets.ResetCharsets(nationalSet, 0);
        vt52SavedKeypad = keypadMode;
        keypadMode = 0;
    } else {
        multinational = vt52SavedMultinational;
        ansiMode = 1;
        nationalSet = vt52SavedNational;
        charsets.ResetCharsets(nationalSet, EightBitCharsets());
        keypadMode = vt52SavedKeypad;
    }
}

int Emulator::EnterVt52Mode() {
    SetAnsiMode(0);
    return 1;
}
