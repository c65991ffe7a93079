// The filter over 100,000 occurrences: masks only, and with the free text on.

#include "benchreview.h"
#include "filtercontroller.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FilterApply(benchmark::State& state) {
    BenchReview& r = BenchReview::Shared();
    TDFilterController filter;
    filter.Flip(2048); // hide undecided
    if (state.range(0))
        filter.SetCustom(true, QStringLiteral("небо над"));
    for (auto _ : state)
        benchmark::DoNotOptimize(filter.Apply(r.words));
    state.counters["occurrences"] = double(r.entries.Count());
}

} // namespace

BENCHMARK(BM_FilterApply)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
