// Arbitrary command lines through splitting, upper-casing and reading:
// the fixed buffers hold terminated text and the results stay in range.
#include "app/CommandLine.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

bool Terminated(const char* buffer, int size) {
    return std::memchr(buffer, 0, size) != nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte tells how much of the input is the program path.
    const size_t pathLength = size ? data[0] % 200 : 0;
    const uint8_t* rest = size ? data + 1 : data;
    const size_t restSize = size ? size - 1 : 0;
    const size_t splitAt = pathLength < restSize ? pathLength : restSize;

    std::unique_ptr<char[]> program(new char[splitAt + 1]);
    std::memcpy(program.get(), rest, splitAt);
    program[splitAt] = 0;
    const size_t tailSize = restSize - splitAt;
    std::unique_ptr<char[]> tail(new char[tailSize + 1]);
    std::memcpy(tail.get(), rest + splitAt, tailSize);
    tail[tailSize] = 0;

    ArgumentTable table;
    SplitCommandLine(program.get(), tail.get(), table);
    UpperCaseArguments(table, UpperCaseAnsi);
    Check(Terminated(table.programPath, ProgramPathSize));
    Check(table.wordCount >= 0 && table.wordCount <= MaxArgumentWords);
    for (int i = 0; i < table.wordCount; ++i) {
        const char* word = table.words[i];
        Check(word >= tail.get() && word < tail.get() + tailSize && *word != 0);
        for (const char* p = word; *p; ++p)
            Check(static_cast<unsigned char>(*p) > 32);
    }

    CommandLineOptions options;
    std::strcpy(options.settingsPath, "LUMO32.INI");
    ReadCommandLine(table, options);
    Check(Terminated(options.settingsPath, SettingsPathSize) && options.settingsPath[0] != 0);
    Check(Terminated(options.host, HostTextSize));
    Check(options.port >= 1 && options.port <= MaxPort);

    int port = options.port;
    SplitHostPort(options.host, &port);
    Check(port >= 1 && port <= MaxPort);
    Check(std::strchr(options.host, ':') == nullptr);
    return 0;
}
