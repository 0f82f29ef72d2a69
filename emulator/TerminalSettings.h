#pragma once

class Profile;

constexpr int DefaultEmulation = 1;   // VT100
constexpr int DefaultNationalSet = 1; // Finnish

// The terminal options that the settings file and the "Terminal settings"
// dialog hold. The defaults are those of a settings file without a
// "Terminal" section: VT100, national mode with the Finnish set, no local
// echo, Backspace sends DEL, Home sends Ctrl-H, autowrap and newline off.
struct TerminalSettings {
    int emulation = DefaultEmulation; // 0 TTY, 1 VT100, 2 VT200
    int multinational = 0;
    int nationalSet = DefaultNationalSet; // 0 U.S. ASCII, 1 Finnish, 2 Swedish, 3 British
    int localEcho = 0;
    int bsSendsCtrlH = 0;
    int homeSendsCtrlA = 0;
    int autowrap = 0;
    int newlineMode = 0;
    int monitorMode = 0;
    int utf8 = 0; // received text decoded and sent text encoded as UTF-8
};

// Section "Terminal" holds these settings: Emulation, Eightbit
// (multinational), KbdLanguage (nationalSet), LocalEcho, and Flags for
// bsSendsCtrlH, homeSendsCtrlA, autowrap and newlineMode, and Utf8.
// Monitor mode is not stored.

// Bits of the Flags key.
constexpr int FlagBsSendsCtrlH = 1;
constexpr int FlagHomeSendsCtrlA = 2;
constexpr int FlagAutowrap = 4;
constexpr int FlagNewlineMode = 8;
constexpr int FlagWide132 = 16; // written only; the width is not restored from it

// Reads Emulation, Eightbit, KbdLanguage, LocalEcho, Flags and Utf8. An
// Emulation or KbdLanguage outside the emulator's tables reads as its
// default; flags read as 0 or 1; Flags bits 4 and up are ignored.
TerminalSettings ReadTerminalSettings(Profile& profile);

// The Flags value: the four option bits, and bit 4 when the logical width
// is 132 columns with SoftSize off.
int MakeTerminalFlags(const TerminalSettings& options, int columns, int softSize);

// Writes Emulation, Eightbit, LocalEcho, KbdLanguage, Flags in that order,
// then Utf8 when it is on or the file held it, so that the file of a user
// who never turns UTF-8 mode on stays as it was.
void WriteTerminalSettings(Profile& profile, const TerminalSettings& options, int columns,
                           int softSize);
