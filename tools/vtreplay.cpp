// vtreplay: feeds a recorded host stream through the terminal emulator, in
// the receive path's 1,024-byte blocks, and prints the scrollback, the screen,
// the cursor and (on request) the attributes; replies to the host go to
// standard error. The output format is described in tools/README.md.
//
//   vtreplay [--columns N] [--lines N] [--emulation tty|vt100|vt200]
//            [--national 0..3] [--multinational] [--utf8] [--autowrap] [--newline]
//            [--attrs] [FILE | -]
#include "emulator/Emulator.h"
#include "screen/ScreenBuffer.h"
#include "vtreplay/ReplayOptions.h"
#include "vtreplay/ReplayOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int ReceiveBlockSize = 1024;

const char* const Usage =
    "usage: vtreplay [--columns 3..132] [--lines 3..60] [--emulation tty|vt100|vt200]\n"
    "                [--national 0..3] [--multinational] [--utf8] [--autowrap] [--newline]\n"
    "                [--attrs] [FILE | -]\n";

// Feeds the whole input in receive-sized blocks; 0 on a read error.
int Replay(std::FILE* in, Emulator& emulator, ScreenBuffer& screen) {
    unsigned char block[ReceiveBlockSize];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, in)) > 0) {
        emulator.ProcessInput(block, static_cast<int>(got));
        screen.FlushChanges();
    }
    return !std::ferror(in);
}

} // namespace

int main(int argc, char** argv) {
    ReplayOptions options;
    std::string error;
    if (!replay::ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "vtreplay: %s\n%s", error.c_str(), Usage);
        return 2;
    }
    const int useStdin = !options.path || std::strcmp(options.path, "-") == 0;
    std::FILE* in = useStdin ? stdin : std::fopen(options.path, "rb");
    if (!in) {
        std::fprintf(stderr, "vtreplay: cannot open %s: %s\n", options.path, std::strerror(errno));
        return 1;
    }
    // The grid is large; keep it off the stack.
    auto screen = std::make_unique<ScreenBuffer>(options.columns, options.lines);
    replay::ReplyPrinter replies;
    Emulator emulator(*screen, options.settings, &replies);
    int ok = Replay(in, emulator, *screen);
    if (!useStdin) std::fclose(in);
    if (!ok) {
        std::fprintf(stderr, "vtreplay: read error on %s\n",
                     useStdin ? "standard input" : options.path);
        return 1;
    }
    replay::WriteResult(stdout, emulator, *screen, options.attrs);
    return 0;
}
