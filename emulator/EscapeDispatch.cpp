#include "emulator/Emulator.h"

// Escape sequences in ANSI mode. One without intermediates first ends a
// pending single shift.
int Emulator::DispatchEscape() {
    if (interCount > 0) return DispatchEscapeIntermediate();
    if (singleShift) EndSingleShift();
    switch (finalChar) {
    case '7': SaveCursor(); break;         // DECSC
    case '8': RestoreCursor(); break;      // DECRC
    case '<': ansiMode = 1; break;         // enter ANSI mode
    case '=': keypadMode = 1; break;       // DECKPAM
    case '>': keypadMode = 0; break;       // DECKPNM
    case 'D': Index(); break;              // IND
    case 'E': NextLine(); break;           // NEL
    case 'H': SetTabStop(); break;         // HTS
    case 'M': ReverseIndex(); break;       // RI
    case 'N': SingleShift(2); break;       // SS2
    case 'O': SingleShift(3); break;       // SS3
    case 'Z': Identify(); break;           // DECID
    case '\\': break;                      // ST
    case 'c': FullReset(); break;          // RIS
    case 'n': charsets.InvokeGL(2); break; // LS2
    case 'o': charsets.InvokeGL(3); break; // LS3
    case '|': charsets.InvokeGR(3); break; // LS3R
    case '}': charsets.InvokeGR(2); break; // LS2R
    case '~': charsets.InvokeGR(1); break; // LS1R
    default: return 0;
    }
    return 1;
}

// Only the first intermediate character counts.
int Emulator::DispatchEscapeIntermediate() {
    switch (interChars[0]) {
    case '#': return DispatchLineAttribute();
    case '(': return Designate(); // SCS G0
    case ')': return Designate(); // SCS G1
    case '*': return Designate(); // SCS G2
    case '+': return Designate(); // SCS G3
    default: return 0;
    }
}

int Emulator::DispatchLineAttribute() {
    switch (finalChar) {
    case '3': DoubleWidth(); break;   // DECDHL top half, shown double width
    case '4': DoubleWidth(); break;   // DECDHL bottom half, shown double width
    case '5': SingleWidth(); break;   // DECSWL
    case '6': DoubleWidth(); break;   // DECDWL
    case '8': AlignmentFill(); break; // DECALN
    default: return 0;
    }
    return 1;
}

int Emulator::Designate() {
    if (CharsetState::SetForFinal(finalChar) < 0) return 0;
    charsets.Designate(interChars[0], finalChar);
    return 1;
}

// Escape sequences in VT52 mode; ESC Y is taken by the parser.
int Emulator::DispatchVt52() {
    switch (finalChar) {
    case '<': SetAnsiMode(1); break;        // enter ANSI mode
    case '=': keypadMode = 1; break;        // alternate keypad
    case '>': keypadMode = 0; break;        // numeric keypad
    case 'A': CursorUp(1); break;           // cursor up
    case 'B': CursorDown(1); break;         // cursor down
    case 'C': CursorForward(1); break;      // cursor right
    case 'D': CursorBackward(1); break;     // cursor left
    case 'F': charsets.InvokeGL(1); break;  // enter graphics mode
    case 'G': charsets.InvokeGL(0); break;  // exit graphics mode
    case 'H': CursorHome(); break;          // cursor home
    case 'I': ReverseIndex(); break;        // reverse line feed
    case 'J': EraseArea(1, 0); break;       // erase to end of screen
    case 'K': EraseArea(0, 0); break;       // erase to end of line
    case 'V': break;                        // print cursor line
    case 'W': printerController = 1; break; // printer controller on
    case 'X': printerController = 0; break; // printer controller off
    case 'Z': SendReply("\x1b/Z"); break;   // identify
    case '\\': break;                       // string terminator
    case ']': break;                        // print screen
    case '^': autoPrint = 1; break;         // auto print on
    case '_': autoPrint = 0; break;         // auto print off
    default: return 0;
    }
    return 1;
}
