#pragma once

class Profile;

constexpr int DefaultEmulation = 1;   // VT100
constexpr int DefaultNationalSet = 1; // Finnish

// Section "Terminal": the terminal options the emulator starts with.
struct TerminalOptions {
    int emulation = DefaultEmulation;     // Emulation: 0 TTY, 1 VT100, 2 VT200
    int multinational = 0;                // Eightbit
    int nationalSet = DefaultNationalSet; // KbdLanguage: 0 U.S., 1 Finnish, 2 Swedish, 3 British
    int localEcho = 0;                    // LocalEcho
    int bsSendsCtrlH = 0;                 // Flags bit 0
    int homeSendsCtrlA = 0;               // Flags bit 1
    int autowrap = 0;                     // Flags bit 2
    int newlineMode = 0;                  // Flags bit 3
};

// Bits of the Flags key.
constexpr int FlagBsSendsCtrlH = 1;
constexpr int FlagHomeSendsCtrlA = 2;
constexpr int FlagAutowrap = 4;
constexpr int FlagNewlineMode = 8;
constexpr int FlagWide132 = 16; // written only; the width is not restored from it

// Reads Emulation, Eightbit, KbdLanguage, LocalEcho and Flags. An
// Emulation or KbdLanguage outside the emulator's tables reads as its
// default; flags read as 0 or 1; Flags bits 4 and up are ignored.
TerminalOptions ReadTerminalOptions(Profile& profile);

// The Flags value: the four option bits, and bit 4 when the logical width
// is 132 columns with SoftSize off.
int MakeTerminalFlags(const TerminalOptions& options, int columns, int softSize);

// Writes Emulation, Eightbit, LocalEcho, KbdLanguage, Flags in that order.
void WriteTerminalOptions(Profile& profile, const TerminalOptions& options, int columns,
                          int softSize);
