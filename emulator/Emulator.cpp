#include "emulator/Emulator.h"

#include <cstring>

namespace {

// Options out of range (a damaged settings file) take their defaults, so
// they never index a table.
TerminalSettings Sanitized(TerminalSettings s) {
    const TerminalSettings defaults;
    if (s.emulation < Emulator::Tty || s.emulation > Emulator::Vt200)
        s.emulation = defaults.emulation;
    if (s.nationalSet < CharsetState::UsAscii || s.nationalSet > CharsetState::British)
        s.nationalSet = defaults.nationalSet;
    return s;
}

int Flag(int v) {
    return v ? 1 : 0;
}

} // namespace

Emulator::Emulator(ScreenBuffer& screen, const TerminalSettings& settings, EmulatorHost* host)
    : screen_(screen), host_(host ? host : &defaultHost_) {
    CopySettings(settings);
    monitorMode = 0;
    ansiMode = 1;
    cursorKeyMode = keypadMode = insertMode = originMode = 0;
    printerController = autoPrint = 0;
    printExtent = printFormFeed = 1;
    sizeReports = 0;
    cursorRow = cursorCol = attribute = 0;
    scrollTop = scrollBottom = 0;
    for (int c = 0; c < LineWidth; ++c)
        tabStops[c] = c % 8 == 0;
    std::memset(lineWidth, 1, sizeof lineWidth);
    savedRow = savedCol = -1;
    savedAttribute = savedOriginMode = 0;
    vt52SavedNational = nationalSet;
    vt52SavedMultinational = multinational;
    vt52SavedKeypad = 0;
    parserState = Ground;
    singleShift = shiftStartedNow = 0;
    paramCount = interCount = csiSeen = 0;
    lastParamChar = 0;
    params.Start();
    finalChar = 0;
    geometryLines = geometryColumns = 0;
    ResetTerminal();
    CursorHome();
}

void Emulator::SetHost(EmulatorHost* host) {
    host_ = host ? host : &defaultHost_;
}

void Emulator::CopySettings(const TerminalSettings& settings) {
    TerminalSettings s = Sanitized(settings);
    emulation = s.emulation;
    multinational = Flag(s.multinational);
    nationalSet = s.nationalSet;
    localEcho = Flag(s.localEcho);
    bsSendsCtrlH = Flag(s.bsSendsCtrlH);
    homeSendsCtrlA = Flag(s.homeSendsCtrlA);
    autowrap = Flag(s.autowrap);
    newlineMode = Flag(s.newlineMode);
    monitorMode = Flag(s.monitorMode);
    utf8 = Flag(s.utf8);
}

TerminalSettings Emulator::CurrentSettings() const {
    TerminalSettings s;
    s.emulation = emulation;
    s.multinational = multinational;
    s.nationalSet = nationalSet;
    s.localEcho = localEcho;
    s.bsSendsCtrlH = bsSendsCtrlH;
    s.homeSendsCtrlA = homeSendsCtrlA;
    s.autowrap = autowrap;
    s.newlineMode = newlineMode;
    s.monitorMode = monitorMode;
    s.utf8 = utf8;
    return s;
}

KeyModes Emulator::CurrentKeyModes() const {
    KeyModes modes;
    modes.ansiMode = ansiMode;
    modes.cursorKeyMode = cursorKeyMode;
    modes.keypadMode = keypadMode;
    modes.bsSendsCtrlH = bsSendsCtrlH;
    modes.homeSendsCtrlA = homeSendsCtrlA;
    return modes;
}

// A reset also turns monitor mode off, whatever the dialog chose.
void Emulator::ApplySettings(const TerminalSettings& settings, int resetNeeded,
                             int charsetChanged) {
    if (Flag(settings.utf8) != utf8) utf8Decoder.Reset();
    CopySettings(settings);
    if (resetNeeded)
        ResetTerminal();
    else if (charsetChanged)
        charsets.ResetCharsets(nationalSet, EightBitCharsets());
}

void Emulator::ToggleMultinational() {
    SetMultinational(!multinational);
}

void Emulator::SetMultinational(int on) {
    multinational = Flag(on);
    charsets.ResetCharsets(nationalSet, EightBitCharsets());
}
