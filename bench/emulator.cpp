// Throughput of the terminal emulator on the host workloads, fed as
// the receive path feeds it (1,024-byte blocks, the screen flushed after
// each), beside libvterm fed the same bytes in the same blocks, with its
// screen layer running, when libvterm is installed.
#include "emulator/Emulator.h"
#include "screen/ScreenBuffer.h"
#include "screen/ScreenView.h"
#include "support/Workloads.h"

#include <benchmark/benchmark.h>

#ifdef LUMO_HAVE_VTERM
#include <vterm.h>
#endif

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr size_t BlockSize = 1024;
constexpr size_t WorkloadBytes = 4 << 20;

using MakeWorkload = std::string (*)(size_t);

// Each workload is built once and shared by both terminals.
const std::string& Workload(MakeWorkload make) {
    static const std::string scrolling = workloads::ScrollingText(WorkloadBytes);
    static const std::string dense = workloads::DenseSgr(WorkloadBytes);
    static const std::string region = workloads::ScrollingRegion(WorkloadBytes);
    static const std::string utf8 = workloads::Utf8Text(WorkloadBytes);
    if (make == workloads::DenseSgr) return dense;
    if (make == workloads::ScrollingRegion) return region;
    if (make == workloads::Utf8Text) return utf8;
    return scrolling;
}

// A window that repaints nothing: the cost measured is the emulator's and the
// change recording's, not drawing.
class IdleView : public ScreenView {};

template <typename Feed> void FeedBlocks(const std::string& bytes, Feed feed) {
    for (size_t pos = 0; pos < bytes.size(); pos += BlockSize)
        feed(bytes.data() + pos, static_cast<int>(std::min(BlockSize, bytes.size() - pos)));
}

void BM_Emulator(benchmark::State& state, MakeWorkload make) {
    const std::string& bytes = Workload(make);
    IdleView view;
    auto screen = std::make_unique<ScreenBuffer>(80, 24);
    screen->SetView(&view);
    TerminalSettings settings;
    settings.utf8 = make == workloads::Utf8Text;
    Emulator emulator(*screen, settings);
    for (auto _ : state) {
        FeedBlocks(bytes, [&](const char* block, int length) {
            emulator.ProcessInput(block, length);
            screen->FlushChanges();
        });
        benchmark::DoNotOptimize(screen->RowCells(0));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

BENCHMARK_CAPTURE(BM_Emulator, ScrollingText, workloads::ScrollingText)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Emulator, DenseSgr, workloads::DenseSgr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Emulator, ScrollingRegion, workloads::ScrollingRegion)
    ->Unit(benchmark::kMillisecond);
// In UTF-8 mode.
BENCHMARK_CAPTURE(BM_Emulator, Utf8Text, workloads::Utf8Text)->Unit(benchmark::kMillisecond);

#ifdef LUMO_HAVE_VTERM
// libvterm in 8-bit mode with its screen layer reset, so that it keeps its
// own cell grid as our screen buffer does.
void BM_Libvterm(benchmark::State& state, MakeWorkload make) {
    const std::string& bytes = Workload(make);
    VTerm* vt = vterm_new(24, 80);
    vterm_set_utf8(vt, 0);
    VTermScreen* vtScreen = vterm_obtain_screen(vt);
    vterm_screen_reset(vtScreen, 1);
    for (auto _ : state) {
        FeedBlocks(bytes, [&](const char* block, int length) {
            benchmark::DoNotOptimize(vterm_input_write(vt, block, static_cast<size_t>(length)));
        });
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    vterm_free(vt);
}

BENCHMARK_CAPTURE(BM_Libvterm, ScrollingText, workloads::ScrollingText)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Libvterm, DenseSgr, workloads::DenseSgr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Libvterm, ScrollingRegion, workloads::ScrollingRegion)
    ->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK_MAIN();
