#pragma once

#include "contextentries.h"
#include "dictionaryset.h"
#include "plaintextanalyser.h"
#include "words2replace.h"

// A review of 100,000 occurrences (25,000 lines of «все», «еще», «небо», «все»), made once per run and
// shared by the benchmarks of the window's work on a whole list.
struct BenchReview {
    TDDictionarySet dicts;
    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries entries;
    BenchReview() {
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

    static BenchReview& Shared() {
        static BenchReview r;
        return r;
    }
};
