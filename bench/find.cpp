// Find over a long history: a text that occurs only on the last of 60,000
// lines, so that every line is read and searched. The store holds about a
// megabyte: 60,000 lines fit when they are short, as in a long listing of
// numbers.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "screen/Cell.h"
#include "screen/ScrollbackStore.h"
#include "textsvc/FindText.h"

namespace {

constexpr int HistoryLines = 60000;

CaseMap AsciiCases() {
    CaseMap cases;
    for (int b = 0; b < 256; ++b) {
        cases.upper[b] = static_cast<unsigned char>(b >= 'a' && b <= 'z' ? b - 32 : b);
        cases.lower[b] = static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b + 32 : b);
    }
    return cases;
}

void FillHistory(ScrollbackStore& store) {
    unsigned char text[CountedLineSize];
    for (int i = 0; i < HistoryLines; ++i) {
        int n = std::snprintf(reinterpret_cast<char*>(text + 1), LineWidth, "%06d %s", i,
                              i == HistoryLines - 1 ? "needle" : "hay st");
        text[0] = static_cast<unsigned char>(n);
        store.AppendLine(text);
    }
}

void FindToTheEnd(benchmark::State& state) {
    BlockPool pool;
    ScrollbackStore store(pool);
    FillHistory(store);
    if (store.LineCount() != HistoryLines) state.SkipWithError("history lines were dropped");
    CaseMap cases = AsciiCases();
    int ignoreCase = static_cast<int>(state.range(0));
    for (auto _ : state) {
        while (store.SkipBack()) {
        }
        FindSettings find;
        find.ignoreCase = ignoreCase;
        std::strcpy(find.text, "needle");
        int found = FindBelowView(store, 0, 24, find, cases);
        if (found != HistoryLines - 1) state.SkipWithError("not found on the last line");
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * HistoryLines);
}
BENCHMARK(FindToTheEnd)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
