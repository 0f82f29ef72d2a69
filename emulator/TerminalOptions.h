#pragma once

#include "emulator/TerminalSettings.h"

class Profile;

constexpr int DefaultEmulation = 1;   // VT100
constexpr int DefaultNationalSet = 1; // Finnish

// Section "Terminal" holds the emulator's options: Emulation, Eightbit
// (multinational), KbdLanguage (nationalSet), LocalEcho, and Flags for
// bsSendsCtrlH, homeSendsCtrlA, autowrap and newlineMode. Monitor mode is
// not stored.
using TerminalOptions = TerminalSettings;

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
