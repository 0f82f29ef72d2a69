#include "emulator/Emulator.h"

// DECSC: the character sets share one saved copy with the single shifts.
void Emulator::SaveCursor() {
    savedRow = cursorRow;
    savedCol = CursorColumn();
    savedAttribute = attribute;
    charsets.SaveCharsets();
    savedOriginMode = originMode;
}

// DECRC without a saved cursor homes the cursor and resets what DECSC would
// have saved. A saved position is kept inside the current screen.
void Emulator::RestoreCursor() {
    if (savedRow < 0) {
        CursorHome();
        originMode = 0;
        charsets.ResetCharsets(nationalSet, EightBitCharsets());
        attribute = 0;
        return;
    }
    cursorRow = savedRow < Lines() ? savedRow : Lines() - 1;
    cursorCol = savedCol < Columns() ? savedCol : Columns() - 1;
    attribute = savedAttribute;
    charsets.RestoreCharsets();
    originMode = savedOriginMode;
}

// SS2, SS3: the next character comes from G2 or G3.
void Emulator::SingleShift(int g) {
    charsets.SaveCharsets();
    charsets.InvokeGL(g);
    singleShift = 1;
    shiftStartedNow = 1;
}

void Emulator::SetTabStop() {
    tabStops[CursorColumn()] = 1;
}

void Emulator::ClearTabStop() {
    tabStops[CursorColumn()] = 0;
}

void Emulator::ClearAllTabStops() {
    for (int c = 0; c < Columns(); ++c)
        tabStops[c] = 0;
}
