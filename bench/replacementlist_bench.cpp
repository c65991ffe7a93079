// A replacement list of 100,000 occurrences: written to bytes, and read back into a new review.

#include "benchreview.h"
#include "replacementlist.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ReplacementListWrite(benchmark::State& state) {
    BenchReview& r = BenchReview::Shared();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray file = ReplacementListBytes(r.words);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["occurrences"] = double(r.entries.Count());
    state.counters["MB"] = double(bytes) / 1e6;
}

void BM_ReplacementListRead(benchmark::State& state) {
    BenchReview& r = BenchReview::Shared();
    const QByteArray file = ReplacementListBytes(r.words);
    for (auto _ : state) {
        TDWords2Replace words;
        TDWords2Replace groups;
        TDContextEntries entries;
        ReadReplacementList(file, QStringLiteral("bench.wtr"), words, groups, entries);
        benchmark::DoNotOptimize(entries.Count());
    }
    state.counters["occurrences"] = double(r.entries.Count());
}

} // namespace

BENCHMARK(BM_ReplacementListWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplacementListRead)->Unit(benchmark::kMillisecond);
