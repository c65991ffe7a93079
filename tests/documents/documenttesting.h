#pragma once

// Helpers shared by the document tests: fixtures, a small dictionary set, and one review of a document.

#include "contextentries.h"
#include "decisions.h"
#include "dictionaryset.h"
#include "document.h"
#include "plaintextanalyser.h"
#include "words2replace.h"

#include <QFile>
#include <QString>
#include <QStringEncoder>

inline QString DocumentFixture(const QString& name) {
    return QStringLiteral(TARV_TEST_DATA "/documents/") + name;
}

inline QByteArray ReadBytes(const QString& fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline QByteArray To1251(const QString& text) {
    QStringEncoder enc("windows-1251");
    return enc.encode(text);
}

// The dictionaries of tests/data/documents/dicts: ещё, пришёл, её, ёлка, зелёная, ёж always with «ё»;
// всё ambiguous, with «всё равно» rated 2.
inline const TDDictionarySet& TestDictionaries() {
    static TDDictionarySet set;
    if (!set.Loaded())
        set.LoadDictionaries(QStringLiteral(TARV_TEST_DATA "/documents/dicts"), {}, [](const QString&) {});
    return set;
}

// The candidate model of one analysis run.
struct TDReview {
    TDWords2Replace Words;
    TDWords2Replace Groups;
    TDContextEntries Entries;

    // Analyses the document's lines and decides every occurrence as "Согласиться с предложенным" does.
    void AnalyseAndAgree(const TDDocument& document, bool withYo = false) {
        FindAllWordsInText(document.CommonFile().Lines(), Words, Groups, Entries, withYo, 3, false,
                           TestDictionaries());
        AgreeWithSuggestions(Entries, 1);
    }
};
