// Arbitrary settings-file text through the in-memory profile and every
// settings reader: values stay in their ranges, fixed buffers hold
// terminated text, and what is written is read back unchanged.
#include "app/WindowPlacement.h"
#include "emulator/TerminalSettings.h"
#include "screen/DisplaySettings.h"
#include "settings/IniProfile.h"
#include "textsvc/LoggingSettings.h"
#include "textsvc/MacroStore.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

bool Terminated(const char* buffer, int size) {
    return std::memchr(buffer, 0, size) != nullptr;
}

struct AllSettings {
    DisplaySettings display;
    LoggingSettings logging;
    WindowSettings window;
    TerminalSettings terminal;
};

AllSettings ReadAll(Profile& profile) {
    return {ReadDisplaySettings(profile),
            ReadLoggingSettings(profile, "C:\\WINDOWS", "LUMO32.INI", UpperCaseAnsi),
            ReadWindowSettings(profile), ReadTerminalSettings(profile)};
}

bool IsFlag(int v) {
    return v == 0 || v == 1;
}

void CheckRanges(const AllSettings& s) {
    Check(s.display.columns >= 3 && s.display.columns <= 132);
    Check(s.display.lines >= 3 && s.display.lines <= 60);
    Check(s.display.fontSize >= MinFontSize && s.display.fontSize <= MaxFontSize);
    Check(Terminated(s.display.fontFace, FontFaceSize));
    Check(Terminated(s.logging.logFilePath, LogFilePathSize));
    Check(s.logging.logPolicy == 1 || s.logging.logPolicy == 2);
    Check(s.logging.loggingMode == (s.logging.active ? s.logging.logPolicy : 0));
    Check(IsFlag(s.window.rememberOrigin) && IsFlag(s.window.verticalScrollBar));
    Check(IsFlag(s.window.autoFocus) && IsFlag(s.window.softSize));
    const TerminalSettings& t = s.terminal;
    Check(t.emulation >= 0 && t.emulation <= 2 && t.nationalSet >= 0 && t.nationalSet <= 3);
    Check(IsFlag(t.multinational) && IsFlag(t.localEcho) && IsFlag(t.bsSendsCtrlH));
    Check(IsFlag(t.homeSendsCtrlA) && IsFlag(t.autowrap) && IsFlag(t.newlineMode));
}

bool Same(const AllSettings& a, const AllSettings& b) {
    return a.display.columns == b.display.columns && a.display.lines == b.display.lines &&
           std::strcmp(a.display.fontFace, b.display.fontFace) == 0 &&
           a.display.fontSize == b.display.fontSize &&
           a.display.colorScheme == b.display.colorScheme &&
           std::strcmp(a.logging.logFilePath, b.logging.logFilePath) == 0 &&
           a.logging.loggingMode == b.logging.loggingMode &&
           a.logging.logPolicy == b.logging.logPolicy &&
           std::memcmp(&a.window, &b.window, sizeof a.window) == 0 &&
           std::memcmp(&a.terminal, &b.terminal, sizeof a.terminal) == 0;
}

void WriteAll(Profile& profile, const AllSettings& s) {
    WriteTerminalSettings(profile, s.terminal, s.display.columns, s.window.softSize);
    WriteWindowSettings(profile, s.window);
    WriteDisplaySettings(profile, s.display);
    WriteLoggingSettings(profile, s.logging);
}

// Reads through buffers of exactly the given size, so that the sanitizer
// sees any write past their end.
void CheckBufferSizes(IniProfile& ini, int size) {
    std::unique_ptr<char[]> out(new char[size]);
    const int n = ini.GetString("Window", "Font", "Courier", out.get(), size);
    Check(n >= 0 && n < size && out[n] == 0 && int(std::strlen(out.get())) == n);
    // Names each end in a zero inside the buffer, and so does the list; the
    // count is where the list ends, or size - 2 when it was cut.
    const int listed = ini.ListKeys("Macros", out.get(), size);
    int end = 0;
    while (end < size && out[end]) {
        const void* zero = std::memchr(out.get() + end, 0, std::size_t(size - end));
        Check(zero != nullptr);
        end = int(static_cast<const char*>(zero) - out.get()) + 1;
    }
    Check(end < size && (listed == end || listed == size - 2));
}

void CheckMacros(IniProfile& ini, const uint8_t* data, size_t size) {
    MacroList list;
    ReadMacroList(ini, list);
    Check(list.macroCount >= 0 && list.macroCount <= MacroNamesSize / 2);
    for (int i = 0; i < list.macroCount; ++i) {
        char definition[StoredMacroTextSize];
        Check(ReadMacroDefinition(ini, MacroNameAt(list, i), definition) < StoredMacroTextSize);
    }
    // The input's first line as a name and its second as a definition:
    // saving may not change any other setting.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = text.find('\n');
    const std::string name = text.substr(0, cut).c_str();
    const std::string value =
        cut == std::string::npos ? ""
                                 : text.substr(cut + 1, text.find('\n', cut + 1) - cut - 1).c_str();
    const AllSettings before = ReadAll(ini);
    if (SaveMacro(ini, name.c_str(), value.c_str())) {
        // Reading gives the definition back, cut to 253 characters.
        const std::string expected = value.substr(0, StoredMacroTextSize - 1);
        char definition[StoredMacroTextSize];
        ReadMacroDefinition(ini, name.c_str(), definition);
        Check(expected == definition);
        Check(Same(before, ReadAll(ini)));
        DeleteMacro(ini, name.c_str());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IniProfile ini(reinterpret_cast<const char*>(data), size);
    const AllSettings first = ReadAll(ini);
    CheckRanges(first);

    // The file's text, loaded again, reads the same.
    const std::string text = ini.Text();
    IniProfile reloaded(text.data(), text.size());
    Check(Same(first, ReadAll(reloaded)));
    Check(reloaded.Text() == text);

    for (int bufferSize : {1, 2, 3, 7, 32, 600})
        CheckBufferSizes(ini, bufferSize);
    CheckMacros(ini, data, size);

    FrameMetrics metrics;
    ScreenGeometry screen{8, 16, first.display.columns, first.display.lines};
    const WindowPlacement p = PlaceWindow(first.window, screen, metrics);
    Check(p.width > 0 && p.height > 0);

    // Written back at exit and read at the next start, nothing changes.
    WriteAll(ini, first);
    Check(Same(first, ReadAll(ini)));
    return 0;
}
