// What writing the log costs on a flood: 20 MiB of scrolling text fed to
// the emulator in 1,024-byte blocks as the receive path feeds it, without a
// log, with "All rcvd chars" (one write call per block) and with "Lines
// only" (two write calls per line that scrolls off), each written straight
// to the file as the program does, and, for comparison, through a stdio
// buffer, which the program does not use.
#include "emulator/Emulator.h"
#include "screen/ScreenBuffer.h"
#include "screen/ScreenView.h"
#include "support/Workloads.h"
#include "textsvc/LogWriter.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr size_t BlockSize = 1024;
constexpr size_t FloodBytes = 20 << 20;
const char LogPath[] = "/tmp/lumo_bench_log.txt";

const std::string& Flood() {
    static const std::string bytes = workloads::ScrollingText(FloodBytes);
    return bytes;
}

// Each write goes to the system at once.
class DirectFile : public LogFile {
  public:
    bool Open(const char* path) override {
        fd = ::open(path, O_WRONLY | O_CREAT | O_APPEND, 0644);
        return fd >= 0;
    }
    bool Write(const char* bytes, int count) override { return ::write(fd, bytes, count) == count; }
    void Close() override { ::close(fd); }

  private:
    int fd = -1;
};

// Writes collect in the C library's buffer.
class BufferedFile : public LogFile {
  public:
    bool Open(const char* path) override { return (file = std::fopen(path, "ab")) != nullptr; }
    bool Write(const char* bytes, int count) override {
        return std::fwrite(bytes, 1, count, file) == size_t(count);
    }
    void Close() override { std::fclose(file); }

  private:
    std::FILE* file = nullptr;
};

struct SilentAlert : LogAlert {
    void CannotWrite() override {}
};

enum Policy { NoLog, Bytes, Lines };

// The window's part: lines that leave the screen go to the log under "Lines only".
class LoggingView : public ScreenView {
  public:
    LoggingView(LogWriter& writer, Policy policy) : writer(writer), policy(policy) {}
    void LogLine(const unsigned char* text) override {
        if (policy == Lines) writer.WriteLine(text);
    }

  private:
    LogWriter& writer;
    Policy policy;
};

template <typename File> void Flood(benchmark::State& state, Policy policy) {
    const std::string& bytes = Flood();
    File file;
    SilentAlert alert;
    LogWriter writer(file, alert);
    LoggingView view(writer, policy);
    auto screen = std::make_unique<ScreenBuffer>(80, 24);
    screen->SetView(&view);
    Emulator emulator(*screen);
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(LogPath);
        if (policy != NoLog) writer.Start(LogPath, 0);
        state.ResumeTiming();
        for (size_t pos = 0; pos < bytes.size(); pos += BlockSize) {
            int length = static_cast<int>(std::min(BlockSize, bytes.size() - pos));
            if (policy == Bytes) writer.WriteBytes(bytes.data() + pos, length);
            emulator.ProcessInput(bytes.data() + pos, length);
            screen->FlushChanges();
        }
        writer.Stop();
    }
    std::remove(LogPath);
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_Direct(benchmark::State& state, Policy policy) {
    Flood<DirectFile>(state, policy);
}

void BM_Buffered(benchmark::State& state, Policy policy) {
    Flood<BufferedFile>(state, policy);
}

BENCHMARK_CAPTURE(BM_Direct, NoLog, NoLog)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Direct, AllRcvdChars, Bytes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Direct, LinesOnly, Lines)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Buffered, AllRcvdChars, Bytes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Buffered, LinesOnly, Lines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
