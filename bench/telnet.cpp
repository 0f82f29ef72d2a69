// Throughput of the Telnet engine on 1024-byte receive blocks: blocks of
// plain text, and blocks with one Telnet command in every 100 bytes, beside
// a plain memchr scan for IAC over the same bytes.
#include "session/Connection.h"
#include "session/TelnetCodes.h"
#include "session/TelnetEngine.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr size_t BlockSize = 1024;
constexpr size_t BlockCount = 64;

// Printable lines of varying length ending in CR LF, as a shell prints.
std::string PlainText(size_t length) {
    std::string text;
    unsigned seed = 12345;
    while (text.size() < length) {
        seed = seed * 1103515245u + 12345u;
        size_t line = 20 + (seed >> 16) % 60;
        for (size_t i = 0; i < line; ++i) {
            seed = seed * 1103515245u + 12345u;
            text.push_back(static_cast<char>(' ' + (seed >> 16) % 95));
        }
        text += "\r\n";
    }
    text.resize(length);
    return text;
}

// The same text with a command every 100 bytes: NOP, a doubled IAC, GA and
// an option refused with a reply, in turn.
std::string TextWithCommands(size_t length) {
    using namespace telnet;
    const std::string commands[] = {{char(IAC), char(NOP)},
                                    {char(IAC), char(IAC)},
                                    {char(IAC), char(GA)},
                                    {char(IAC), char(WILL), char(200)}};
    std::string plain = PlainText(length);
    std::string text;
    for (size_t i = 0; text.size() < length; ++i) {
        text += plain.substr(i * 97 % (length - 100), 97);
        text += commands[i % 4];
    }
    text.resize(length);
    return text;
}

void RunEngine(benchmark::State& state, const std::string& source) {
    Connection link; // replies go nowhere
    TelnetEngine engine(link);
    std::vector<char> buffer(source.begin(), source.end());
    const bool restore = source.find(static_cast<char>(telnet::IAC)) != std::string::npos;
    size_t block = 0;
    for (auto _ : state) {
        char* data = buffer.data() + block * BlockSize;
        if (restore) std::memcpy(data, source.data() + block * BlockSize, BlockSize);
        benchmark::DoNotOptimize(engine.ProcessTelnet(data, BlockSize));
        benchmark::ClobberMemory();
        block = (block + 1) % BlockCount;
    }
    state.SetBytesProcessed(state.iterations() * BlockSize);
}

void BM_TelnetPlainBlocks(benchmark::State& state) {
    RunEngine(state, PlainText(BlockSize * BlockCount));
}

void BM_TelnetCommandEvery100Bytes(benchmark::State& state) {
    RunEngine(state, TextWithCommands(BlockSize * BlockCount));
}

// The floor: finding that a block holds no IAC.
void BM_MemchrScanPlainBlocks(benchmark::State& state) {
    const std::string source = PlainText(BlockSize * BlockCount);
    size_t block = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            std::memchr(source.data() + block * BlockSize, telnet::IAC, BlockSize));
        block = (block + 1) % BlockCount;
    }
    state.SetBytesProcessed(state.iterations() * BlockSize);
}

// What restoring a block costs in the command benchmark, for comparison.
void BM_MemcpyBlocks(benchmark::State& state) {
    const std::string source = TextWithCommands(BlockSize * BlockCount);
    std::vector<char> buffer(source.size());
    size_t block = 0;
    for (auto _ : state) {
        std::memcpy(buffer.data() + block * BlockSize, source.data() + block * BlockSize,
                    BlockSize);
        benchmark::ClobberMemory();
        block = (block + 1) % BlockCount;
    }
    state.SetBytesProcessed(state.iterations() * BlockSize);
}

BENCHMARK(BM_TelnetPlainBlocks);
BENCHMARK(BM_TelnetCommandEvery100Bytes);
BENCHMARK(BM_MemchrScanPlainBlocks);
BENCHMARK(BM_MemcpyBlocks);

} // namespace

BENCHMARK_MAIN();
