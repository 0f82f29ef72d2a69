#include "app/CommandLine.h"

#include "settings/BoundedText.h"

#include <cstring>

namespace {

bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// Copies value into out when it fits whole; otherwise leaves out as it is.
template <int Size> void TakeWhole(char (&out)[Size], const char* value) {
    if (FittingLength(value, Size) >= 0) CopyText(out, Size, value);
}

} // namespace

void SplitCommandLine(const char* programPath, char* tail, ArgumentTable& table) {
    table.programPath[0] = 0;
    TakeWhole(table.programPath, programPath ? programPath : "");
    table.wordCount = 0;
    if (!tail) return;
    char* p = tail;
    while (*p && table.wordCount < MaxArgumentWords) {
        while (*p && IsSeparator(*p))
            *p++ = 0;
        if (!*p) break;
        table.words[table.wordCount++] = p;
        while (*p && !IsSeparator(*p))
            ++p;
        if (*p) *p++ = 0;
    }
}

void UpperCaseArguments(ArgumentTable& table, UpperCaser upper) {
    upper(table.programPath);
    for (int i = 0; i < table.wordCount; ++i)
        upper(table.words[i]);
}

void ReadCommandLine(const ArgumentTable& table, CommandLineOptions& options) {
    bool hostTaken = false;
    for (int i = 0; i < table.wordCount; ++i) {
        const char* word = table.words[i];
        const bool hasValue = i + 1 < table.wordCount;
        if (std::strcmp(word, "-I") == 0) {
            if (hasValue) TakeWhole(options.settingsPath, table.words[++i]);
        } else if (std::strcmp(word, "-P") == 0) {
            if (hasValue) options.port = ReadPort(table.words[++i]);
        } else if (!hostTaken) {
            hostTaken = true;
            TakeWhole(options.host, word);
        }
    }
}

int ReadPort(const char* text) {
    long port = 0;
    for (; *text; ++text) {
        if (*text < '0' || *text > '9') return DefaultPort;
        port = port * 10 + (*text - '0');
        if (port > MaxPort) return DefaultPort;
    }
    return port == 0 ? DefaultPort : int(port);
}

bool SplitHostPort(char* hostText, int* port) {
    char* colon = std::strchr(hostText, ':');
    if (!colon) return false;
    *colon = 0;
    *port = ReadPort(colon + 1);
    return true;
}
