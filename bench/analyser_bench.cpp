// The analyser over the novel repeated to at least 20 MB, against a bare scan of the same lines
// with the same compiled word pattern (the limit the analyser can approach).
// Run: build/bin/tarv_bench  (TARV_CORPUS=path overrides the text)

#include "contextentries.h"
#include "dictionaryset.h"
#include "plaintextanalyser.h"
#include "tdregex.h"
#include "textfile.h"
#include "words2replace.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

const QStringList& BigText() {
    static const QStringList lines = [] {
        QString path = qEnvironmentVariable("TARV_CORPUS", QStringLiteral(TARV_CORPUS));
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", qPrintable(path));
        const QByteArray one = f.readAll();
        QByteArray all;
        while (all.size() < 20 * 1024 * 1024)
            all += one;
        return SplitLines(QString::fromUtf8(all));
    }();
    return lines;
}

qint64 Bytes(const QStringList& lines) {
    qint64 n = 0;
    for (const QString& l : lines)
        n += l.toUtf8().size() + 1;
    return n;
}

void LoadDictionariesOnce() {
    TDDictionarySet& d = GlobalDictionaries();
    if (!d.Loaded())
        d.LoadDictionaries(DictionaryFolder(QCoreApplication::applicationDirPath()), {}, nullptr);
}

void BM_FindAllWordsInText(benchmark::State& state) {
    LoadDictionariesOnce();
    const QStringList& lines = BigText();
    qint64 entryCount = 0;
    for (auto _ : state) {
        TDWords2Replace words;
        TDWords2Replace groups;
        TDContextEntries entries;
        FindAllWordsInText(lines, words, groups, entries, false, 3, false);
        entryCount = entries.Count();
        benchmark::DoNotOptimize(entryCount);
    }
    state.SetBytesProcessed(state.iterations() * Bytes(lines));
    state.counters["entries"] = double(entryCount);
}

void BM_BareScan(benchmark::State& state) {
    const QStringList& lines = BigText();
    const TDRegex pattern(QString::fromUtf16(kWordPattern));
    qint64 matches = 0;
    for (auto _ : state) {
        matches = 0;
        for (const QString& line : lines)
            pattern.ForEachMatch(line, [&](qsizetype, qsizetype) {
                ++matches;
                return true;
            });
        benchmark::DoNotOptimize(matches);
    }
    state.SetBytesProcessed(state.iterations() * Bytes(lines));
    state.counters["matches"] = double(matches);
}

} // namespace

BENCHMARK(BM_FindAllWordsInText)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_BareScan)->Unit(benchmark::kMillisecond)->MinTime(2);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
