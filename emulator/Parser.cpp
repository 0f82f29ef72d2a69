#include "emulator/Emulator.h"
#include "screen/ScreenBuffer.h"

namespace {

constexpr unsigned char NUL = 0;
constexpr unsigned char CAN = 24;
constexpr unsigned char SUB = 26;
constexpr unsigned char ESC = 27;
constexpr unsigned char DEL = 127;

int Clamp(int v, int low, int high) {
    return v < low ? low : v > high ? high : v;
}

} // namespace

void Emulator::ProcessInput(const unsigned char* bytes, int length) {
    if (bytes == nullptr || length <= 0) return;
    CheckGeometry();
    if (monitorMode)
        WriteMonitor(bytes, length);
    else if (utf8)
        DecodeUtf8(bytes, length);
    else if (emulation == Vt100 || emulation == Vt200)
        ParseVt(bytes, length);
    else
        WriteTty(bytes, length);
}

void Emulator::ProcessInput(const char* bytes, int length) {
    ProcessInput(reinterpret_cast<const unsigned char*>(bytes), length);
}

// Margins, tab stops and line widths follow the logical size; a size change
// that the window did not announce is caught here before any byte uses them.
// The window sets the cursor's row after a layout, so the cursor is held on
// the screen.
void Emulator::CheckGeometry() {
    if (ScreenLines() != geometryLines || ScreenColumns() != geometryColumns) ResetGeometry();
    cursorRow = Clamp(cursorRow, 0, Lines() - 1);
    cursorCol = Clamp(cursorCol, 0, Columns());
}

void Emulator::ParseVt(const unsigned char* bytes, int length) {
    int i = 0;
    while (i < length) {
        // Text between sequences goes straight to the screen, and parameter
        // characters straight into the sequence.
        int taken = 0;
        if (parserState == Ground && !singleShift && !printerController)
            taken = WriteTextRun(bytes + i, length - i);
        else if (parserState == CsiParameter)
            taken = CollectParameters(bytes + i, length - i);
        if (taken > 0) {
            i += taken;
            continue;
        }
        unsigned char b = bytes[i++];
        if (b == ESC && i < length && bytes[i] == '[') {
            // ESC [ starts a control sequence from any state, as the two
            // bytes would one by one.
            shiftStartedNow = 0;
            EnterSequence(bytes[i++]);
        } else if (parserState == Ground && !singleShift && !printerController &&
                   IsPlainGraphic(b)) {
            WriteGraphic(charsets.displayTable[multinational ? b : b & 127]);
        } else if (b >= 128 && b <= 159 && (emulation == Vt200 || multinational) &&
                   !printerController) {
            // Eight-bit controls stand for ESC and the byte 64 below them.
            ParseByte(ESC);
            ParseByte(static_cast<unsigned char>(b - 64));
        } else {
            ParseByte(b);
        }
    }
}

// The leading run of printable ASCII characters, written in one call, with
// the same cells, cursor and write run as one WriteGraphic per character.
// The run stops at the last column, so a pending wrap, like insert mode and
// double width, is left to WriteGraphic. Returns the bytes written.
int Emulator::WriteTextRun(const unsigned char* bytes, int length) {
    if (insertMode || Width() != 1) return 0;
    int room = Columns() - cursorCol;
    int limit = length < room ? length : room;
    int n = 0;
    while (n < limit && bytes[n] >= 32 && bytes[n] < 127)
        ++n;
    if (n == 0) return 0;
    screen_.PutChars(bytes, n, charsets.displayTable, static_cast<unsigned char>(attribute),
                     cursorRow, cursorCol);
    cursorCol += n;
    return n;
}

// The leading run of parameter characters. Returns the bytes taken.
int Emulator::CollectParameters(const unsigned char* bytes, int length) {
    int n = 0;
    while (n < length && bytes[n] >= '0' && bytes[n] <= '?')
        CollectParameter(bytes[n++]);
    return n;
}

// A byte that the ground state only writes: no 8-bit control, and a
// printable character after the 7-bit mask of national mode.
int Emulator::IsPlainGraphic(unsigned char b) const {
    if (multinational) return (b >= 32 && b < 127) || b >= 160;
    if (b >= 128 && b <= 159 && emulation == Vt200) return 0;
    unsigned char c = b & 127;
    return c >= 32 && c < 127;
}

void Emulator::ParseByte(unsigned char b) {
    shiftStartedNow = 0;
    if (!multinational && !utf8) b &= 127;
    if (b == NUL || b == DEL) return;
    if (parserState != Ground && b < 32 && b != ESC) {
        if (b == CAN || b == SUB) {
            // The sequence is abandoned and a space marks where it stood.
            parserState = Ground;
            b = ' ';
        } else {
            ExecuteControl(b);
        }
    }
    if (b == ESC) {
        parserState = Escape;
        return;
    }
    switch (parserState) {
    case Ground: ExecuteControl(b); break;
    case Escape: EnterSequence(b); break;
    case CsiParameter: CollectParameter(b); break;
    case SequenceTail: HandleTail(b); break;
    case Vt52Row: Vt52SetRow(b); break;
    case Vt52Column: Vt52SetColumn(b); break;
    }
    if (parserState == Ground && singleShift && !shiftStartedNow) EndSingleShift();
}

void Emulator::EnterSequence(unsigned char b) {
    paramCount = 0;
    interCount = 0;
    finalChar = 0;
    csiSeen = b == '[';
    if (csiSeen) {
        lastParamChar = 0;
        params.Start();
        parserState = CsiParameter;
        return;
    }
    parserState = SequenceTail;
    HandleTail(b);
}

// Leading zeros vanish, so a parameter written "0" or "00" is empty. Only
// the first MaxSequenceChars characters kept count.
void Emulator::CollectParameter(unsigned char b) {
    if (b < '0' || b > '?') {
        parserState = SequenceTail;
        HandleTail(b);
        return;
    }
    if (b == '0' && (lastParamChar < '0' || lastParamChar > '9')) return;
    if (paramCount >= MaxSequenceChars) return;
    params.Take(b, paramCount == 0);
    lastParamChar = b;
    ++paramCount;
}

void Emulator::HandleTail(unsigned char b) {
    if (b >= ' ' && b <= '/') {
        if (interCount < MaxSequenceChars) interChars[interCount++] = b;
        return;
    }
    FinishSequence(b);
}

void Emulator::FinishSequence(unsigned char b) {
    parserState = Ground;
    finalChar = b;
    if (printerController) {
        // There is no printer: every sequence but the end of printer
        // controller mode is discarded with the rest of the data.
        if (IsPrinterControllerEnd()) printerController = 0;
        return;
    }
    if (csiSeen)
        DispatchCsi();
    else if (ansiMode)
        DispatchEscape();
    else if (interCount == 0 && b == 'Y')
        parserState = Vt52Row;
    else if (interCount == 0)
        DispatchVt52();
}

int Emulator::IsPrinterControllerEnd() const {
    if (ansiMode) return csiSeen && paramCount == 1 && lastParamChar == '4' && finalChar == 'i';
    return !csiSeen && interCount == 0 && finalChar == 'X';
}

// The VT52 cursor address is absolute: no region, no origin mode.
void Emulator::Vt52SetRow(unsigned char b) {
    cursorRow = Clamp(b - 32, 0, Lines() - 1);
    parserState = Vt52Column;
}

void Emulator::Vt52SetColumn(unsigned char b) {
    cursorCol = Clamp((b - 32) * Width(), 0, Columns() - 1);
    parserState = Ground;
}

void Emulator::EndSingleShift() {
    charsets.RestoreCharsets();
    singleShift = 0;
}
