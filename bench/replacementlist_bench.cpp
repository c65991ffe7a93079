// A replacement list of 100,000 occurrences: written to bytes, and read back into a new review.

#include "contextentries.h"
#include "dictionaryset.h"
#include "plaintextanalyser.h"
#include "replacementlist.h"
#include "words2replace.h"

#include <benchmark/benchmark.h>

namespace {

struct ListReview {
    TDDictionarySet dicts;
    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries entries;
    ListReview() {
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

ListReview& TheListReview() {
    static ListReview r;
    return r;
}

void BM_ReplacementListWrite(benchmark::State& state) {
    ListReview& r = TheListReview();
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
    ListReview& r = TheListReview();
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
