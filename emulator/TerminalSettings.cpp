#include "emulator/TerminalSettings.h"

#include "settings/Profile.h"
#include "settings/SettingsValues.h"

namespace {

const char Terminal[] = "Terminal";

// A missing key reads as either default; a present one as its value.
int HasKey(Profile& profile, const char* section, const char* key) {
    char first[2], second[2];
    profile.GetString(section, key, "0", first, sizeof first);
    profile.GetString(section, key, "1", second, sizeof second);
    return first[0] == second[0];
}

} // namespace

TerminalSettings ReadTerminalSettings(Profile& profile) {
    TerminalSettings o;
    o.emulation = ReadInRange(profile, Terminal, "Emulation", DefaultEmulation, 0, 2);
    o.multinational = ReadFlag(profile, Terminal, "Eightbit", 0);
    o.nationalSet = ReadInRange(profile, Terminal, "KbdLanguage", DefaultNationalSet, 0, 3);
    o.localEcho = ReadFlag(profile, Terminal, "LocalEcho", 0);
    const int flags = profile.GetInt(Terminal, "Flags", 0);
    o.bsSendsCtrlH = (flags & FlagBsSendsCtrlH) ? 1 : 0;
    o.homeSendsCtrlA = (flags & FlagHomeSendsCtrlA) ? 1 : 0;
    o.autowrap = (flags & FlagAutowrap) ? 1 : 0;
    o.newlineMode = (flags & FlagNewlineMode) ? 1 : 0;
    o.utf8 = ReadFlag(profile, Terminal, "Utf8", 0);
    return o;
}

int MakeTerminalFlags(const TerminalSettings& o, int columns, int softSize) {
    return (o.bsSendsCtrlH ? FlagBsSendsCtrlH : 0) | (o.homeSendsCtrlA ? FlagHomeSendsCtrlA : 0) |
           (o.autowrap ? FlagAutowrap : 0) | (o.newlineMode ? FlagNewlineMode : 0) |
           (columns == 132 && !softSize ? FlagWide132 : 0);
}

void WriteTerminalSettings(Profile& profile, const TerminalSettings& o, int columns, int softSize) {
    WriteInt(profile, Terminal, "Emulation", o.emulation);
    WriteInt(profile, Terminal, "Eightbit", o.multinational);
    WriteInt(profile, Terminal, "LocalEcho", o.localEcho);
    WriteInt(profile, Terminal, "KbdLanguage", o.nationalSet);
    WriteInt(profile, Terminal, "Flags", MakeTerminalFlags(o, columns, softSize));
    if (o.utf8 || HasKey(profile, Terminal, "Utf8")) WriteInt(profile, Terminal, "Utf8", o.utf8);
}
