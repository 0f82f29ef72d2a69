#pragma once

// The command line of vtreplay: terminal options, the output switches and
// the input file. Header-only, since every tools/*.cpp is a program of its own.

#include "emulator/TerminalSettings.h"
#include "screen/Cell.h"

#include <cstdlib>
#include <cstring>
#include <string>

struct ReplayOptions {
    TerminalSettings settings; // an empty settings file's defaults
    int columns = 80;
    int lines = 24;
    int attrs = 0;
    const char* path = nullptr; // null or "-": standard input
};

namespace replay {

// Reads a whole decimal number within low..high; 0 when text is anything else.
inline int ReadNumber(const char* text, int low, int high, int& value) {
    if (!text || !*text) return 0;
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (*end != '\0' || v < low || v > high) return 0;
    value = static_cast<int>(v);
    return 1;
}

inline int ReadEmulation(const char* text, int& value) {
    static const char* const names[] = {"tty", "vt100", "vt200"};
    for (int i = 0; i < 3; ++i) {
        if (text && std::strcmp(text, names[i]) == 0) {
            value = i;
            return 1;
        }
    }
    return 0;
}

// Takes the value of an option that needs one; error names what was wrong.
inline int ReadValue(const std::string& name, const char* text, ReplayOptions& o,
                     std::string& error) {
    int ok = 0;
    if (name == "--columns")
        ok = ReadNumber(text, 3, LineWidth, o.columns);
    else if (name == "--lines")
        ok = ReadNumber(text, 3, MaxLines, o.lines);
    else if (name == "--national")
        ok = ReadNumber(text, 0, 3, o.settings.nationalSet);
    else if (name == "--emulation")
        ok = ReadEmulation(text, o.settings.emulation);
    if (ok) return 1;
    if (!text)
        error = name + " needs a value";
    else
        error = "bad value for " + name + ": \"" + text + "\"";
    return 0;
}

// Sets a switch; 0 when name is none.
inline int ReadSwitch(const std::string& name, ReplayOptions& o) {
    if (name == "--multinational")
        o.settings.multinational = 1;
    else if (name == "--utf8")
        o.settings.utf8 = 1;
    else if (name == "--autowrap")
        o.settings.autowrap = 1;
    else if (name == "--newline")
        o.settings.newlineMode = 1;
    else if (name == "--attrs")
        o.attrs = 1;
    else
        return 0;
    return 1;
}

inline int TakesValue(const std::string& name) {
    return name == "--columns" || name == "--lines" || name == "--national" ||
           name == "--emulation";
}

// Fills o from argv[1..argc-1]; on a bad option or value returns 0 with a
// message in error.
inline int ParseOptions(int argc, char** argv, ReplayOptions& o, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (TakesValue(arg)) {
            const char* text = i + 1 < argc ? argv[++i] : nullptr;
            if (!ReadValue(arg, text, o, error)) return 0;
        } else if (ReadSwitch(arg, o)) {
            continue;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option \"" + arg + "\"";
            return 0;
        } else if (o.path) {
            error = "more than one input file";
            return 0;
        } else {
            o.path = argv[i];
        }
    }
    return 1;
}

} // namespace replay
