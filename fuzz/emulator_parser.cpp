// Feeds arbitrary host streams to the VT parser and its dispatchers, fast:
// a fresh terminal per input, the stream in receive-sized blocks, and the
// cheap invariants checked once at the end (cursor on the screen, margins
// ordered, saved cursor, line widths, tab stops, modes and character-set
// indexes). The emulator target checks the grid, the store and block cuts.
//
// For speed the screen is at most ten lines high (the grid operations cost a
// pass over every line, and the clamps are the same for ten lines as for
// sixty) and built without coverage tracing, so that the fuzzer's effort goes
// to the parser and the dispatchers.
//
// Input: byte 0 the emulation (VT100 or VT200 by its low bit); byte 1 the
// options (bits 0-1 the national set, 2 multinational, 3 autowrap, 4 newline
// mode, 5 UTF-8 mode); byte 2 the columns (3 + b mod 130); byte 3 the lines (3 + b mod 8);
// the rest is the stream.
#include "emulator/Emulator.h"
#include "screen/BlockPool.h"
#include "screen/ScreenBuffer.h"
#include "tests/unit/emulator/EmulatorProbe.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr size_t HeaderSize = 4;
constexpr size_t ReceiveBlockSize = 1024;

void Check(bool condition) {
    if (!condition) std::abort();
}

bool Flag(int v) {
    return v == 0 || v == 1;
}

TerminalSettings ReadSettings(const uint8_t* header) {
    TerminalSettings s;
    s.emulation = 1 + (header[0] & 1);
    s.nationalSet = header[1] & 3;
    s.multinational = (header[1] >> 2) & 1;
    s.autowrap = (header[1] >> 3) & 1;
    s.newlineMode = (header[1] >> 4) & 1;
    s.utf8 = (header[1] >> 5) & 1;
    s.monitorMode = 0;
    return s;
}

void CheckGeometry(const Emulator& emulator, int columns, int lines) {
    const EmulatorProbe e(emulator);
    Check(emulator.CursorRow() >= 0 && emulator.CursorRow() < lines);
    Check(emulator.CursorCol() >= 0 && emulator.CursorCol() <= columns);
    Check(e.scrollTop >= 0 && e.scrollTop < e.scrollBottom && e.scrollBottom < lines);
    Check(e.savedRow == -1 || (e.savedRow >= 0 && e.savedRow < lines));
    // A column switch keeps the saved column until the window lays out the
    // new width; restoring holds it on the screen.
    Check(e.savedRow == -1 || (e.savedCol >= 0 && e.savedCol < LineWidth));
    for (int row = 0; row < MaxLines; ++row)
        Check(e.lineWidth[row] == 1 || e.lineWidth[row] == 2);
    for (int col = 0; col < LineWidth; ++col)
        Check(Flag(e.tabStops[col]));
}

void CheckModes(const Emulator& emulator) {
    const EmulatorProbe e(emulator);
    const TerminalSettings o = emulator.CurrentSettings();
    Check(o.emulation == Emulator::Vt100 || o.emulation == Emulator::Vt200);
    Check(e.parserState >= Emulator::Ground && e.parserState <= Emulator::Vt52Column);
    Check((e.attribute & ~0x0F) == 0 && (e.savedAttribute & ~0x0F) == 0);
    Check(Flag(emulator.CurrentKeyModes().ansiMode) && Flag(o.multinational) &&
          Flag(e.insertMode) && Flag(e.originMode));
    Check(Flag(o.autowrap) && Flag(o.newlineMode) && Flag(e.printerController));
    Check(Flag(e.singleShift) && Flag(o.monitorMode) && o.monitorMode == 0 && Flag(o.utf8));
    Check(o.nationalSet >= CharsetState::UsAscii && o.nationalSet <= CharsetState::British);
    for (int g = 0; g < 4; ++g)
        Check(e.charsets.designation[g] >= 0 && e.charsets.designation[g] < CharsetState::SetCount);
    Check(e.charsets.invokedGL >= 0 && e.charsets.invokedGL < 4);
    Check(e.charsets.invokedGR >= 0 && e.charsets.invokedGR < 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < HeaderSize) return 0;
    BlockPool pool;
    ScreenBuffer screen(3 + data[2] % 130, 3 + data[3] % 8, pool);
    Emulator emulator(screen, ReadSettings(data));
    for (size_t pos = HeaderSize; pos < size; pos += ReceiveBlockSize) {
        size_t n = size - pos < ReceiveBlockSize ? size - pos : ReceiveBlockSize;
        emulator.ProcessInput(data + pos, static_cast<int>(n));
    }
    screen.FlushChanges();
    CheckGeometry(emulator, screen.columns, screen.lines);
    CheckModes(emulator);
    return 0;
}
