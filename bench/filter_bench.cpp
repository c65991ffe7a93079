// The filter over 100,000 occurrences: masks only, and with the free text on.

#include "contextentries.h"
#include "dictionaryset.h"
#include "filtercontroller.h"
#include "plaintextanalyser.h"
#include "words2replace.h"

#include <benchmark/benchmark.h>

namespace {

struct Review {
    TDDictionarySet dicts;
    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries entries;
    Review() {
        dicts.Dictionary.Add(QStringLiteral("ещё"));
        dicts.Duals.AddLine(QStringLiteral("всё\t0"));
        dicts.Duals.AddLine(QStringLiteral("нёбо\t-1"));
        QStringList lines;
        for (int i = 0; i < 25000; ++i)
            lines << QStringLiteral(
                         "Он сказал, что все еще видит небо над рекой, и все равно идёт дальше по %1.")
                         .arg(i);
        FindAllWordsInText(lines, words, groups, entries, false, 3, false, dicts);
    }
};

Review& TheReview() {
    static Review r;
    return r;
}

void BM_FilterApply(benchmark::State& state) {
    Review& r = TheReview();
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
