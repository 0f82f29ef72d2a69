#include "emulator/Emulator.h"

namespace {

// The count of a movement or edit: an absent or zero parameter means 1.
int Count(int p) {
    return p >= 1 ? p : 1;
}

// The selector of an erase or tab clear: absent means 0.
int Selector(int p) {
    return p >= 1 ? p : 0;
}

} // namespace

int Emulator::DispatchCsi() {
    if (interCount > 0) return 0;
    params.Finish();
    const CsiParams& p = params;
    if (p.isPrivate) return DispatchPrivateCsi(p);
    int p0 = p.Get(0);
    switch (finalChar) {
    case '@': InsertCharacters(Count(p0)); break;  // ICH
    case 'A': CursorUp(Count(p0)); break;          // CUU
    case 'B': CursorDown(Count(p0)); break;        // CUD
    case 'C': CursorForward(Count(p0)); break;     // CUF
    case 'D': CursorBackward(Count(p0)); break;    // CUB
    case 'H': CursorPosition(p0, p.Get(1)); break; // CUP
    case 'f': CursorPosition(p0, p.Get(1)); break; // HVP
    case 'J': EraseArea(1, Selector(p0)); break;   // ED
    case 'K': EraseArea(0, Selector(p0)); break;   // EL
    case 'L': InsertLines(Count(p0)); break;       // IL
    case 'M': DeleteLines(Count(p0)); break;       // DL
    case 'P': DeleteCharacters(Count(p0)); break;  // DCH
    case 'X': EraseCharacters(Count(p0)); break;   // ECH
    case ']': SetSizeReports(p0 == 1); break;      // screen size reports
    case 'c': return DeviceAttributes(p0);         // DA
    case 'g': return ClearTabs(Selector(p0));      // TBC
    case 'h': return SetMode(p0, 1);               // SM
    case 'l': return SetMode(p0, 0);               // RM
    case 'i': return MediaCopy(Selector(p0));      // MC
    case 'm': SelectGraphicRendition(p); break;    // SGR
    case 'n': return StatusReport(p0);             // DSR
    case 'r': SetRegion(p0, p.Get(1)); break;      // DECSTBM
    default: return 0;
    }
    return 1;
}

// DEC private sequences: only the first parameter counts.
int Emulator::DispatchPrivateCsi(const CsiParams& p) {
    int p0 = p.Get(0);
    switch (finalChar) {
    case 'h': return SetPrivateMode(p0, 1);   // DECSET
    case 'l': return SetPrivateMode(p0, 0);   // DECRST
    case 'i': return PrivateMediaCopy(p0);    // MC, DEC private
    case 'n': return PrinterStatusReport(p0); // DSR, printer status
    default: return 0;
    }
}

int Emulator::SetMode(int mode, int on) {
    switch (mode) {
    case 4: insertMode = on; break;   // IRM
    case 12: localEcho = !on; break;  // SRM: set means no local echo
    case 20: newlineMode = on; break; // LNM
    default: return 0;
    }
    return 1;
}

int Emulator::SetPrivateMode(int mode, int on) {
    switch (mode) {
    case 1: cursorKeyMode = on; break;        // DECCKM
    case 2: return on ? 0 : EnterVt52Mode();  // DECANM
    case 3: SetColumns(on ? 132 : 80); break; // DECCOLM
    case 4: break;                            // DECSCLM, scrolling is always jump
    case 5: break;                            // DECSCNM, not supported
    case 6: originMode = on; break;           // DECOM
    case 7: autowrap = on; break;             // DECAWM
    case 8: break;                            // DECARM, the keyboard repeats anyway
    case 18: printFormFeed = on; break;       // DECPFF
    case 19: printExtent = on; break;         // DECPEX
    case 42: SetMultinational(!on); break;    // DECNRCM
    default: return 0;
    }
    return 1;
}

// The terminal has no printer: printing the screen or a line has no effect.
int Emulator::MediaCopy(int p0) {
    switch (p0) {
    case 0: break;                        // print screen
    case 4: printerController = 0; break; // printer controller off
    case 5: printerController = 1; break; // printer controller on
    default: return 0;
    }
    return 1;
}

int Emulator::PrivateMediaCopy(int p0) {
    switch (p0) {
    case 1: break;                // print cursor line
    case 4: autoPrint = 0; break; // auto print off
    case 5: autoPrint = 1; break; // auto print on
    default: return 0;
    }
    return 1;
}

void Emulator::SelectGraphicRendition(const CsiParams& p) {
    int n = p.count > 0 ? p.count : 1;
    for (int i = 0; i < n; ++i) {
        switch (p.Get(i)) {
        case -1: attribute = 0; break;
        case 0: attribute = 0; break;
        case 1: attribute |= AttrBold; break;
        case 4: attribute |= AttrUnderline; break;
        case 5: attribute |= AttrBlink; break;
        case 7: attribute |= AttrReverse; break;
        case 22: attribute &= ~AttrBold; break;
        case 24: attribute &= ~AttrUnderline; break;
        case 25: attribute &= ~AttrBlink; break;
        case 27: attribute &= ~AttrReverse; break;
        default: break;
        }
    }
}

// Bad margins give the whole screen; the cursor goes to the home position.
void Emulator::SetRegion(int top, int bottom) {
    scrollTop = 0;
    scrollBottom = Lines() - 1;
    if (top > 0) scrollTop = top - 1;
    if (bottom > 0 && bottom - 1 < scrollBottom) scrollBottom = bottom - 1;
    if (scrollTop >= scrollBottom) {
        scrollTop = 0;
        scrollBottom = Lines() - 1;
    }
    cursorRow = originMode ? scrollTop : 0;
    cursorCol = 0;
}

int Emulator::ClearTabs(int type) {
    switch (type) {
    case 0: ClearTabStop(); break;
    case 3: ClearAllTabStops(); break;
    default: return 0;
    }
    return 1;
}
