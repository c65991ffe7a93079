#include "clicommon.h"
#include "commands.h"

#include "contextentries.h"
#include "contextentry.h"
#include "document.h"
#include "error.h"
#include "plaintextanalyser.h"
#include "word2replace.h"
#include "words2replace.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

int RunCheck(const QStringList& args) {
    QString file;
    QString dictFolder;
    int restriction = 3;
    bool withYo = false;
    bool allRules = false;
    bool quiet = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--search") && i + 1 < args.size()) {
            bool ok = false;
            restriction = args[++i].toInt(&ok);
            if (!ok || restriction < 1 || restriction > 3)
                throw TDError(QStringLiteral("--search принимает 1, 2 или 3"));
        } else if (a == QLatin1String("--yo-words")) {
            withYo = true;
        } else if (a == QLatin1String("--all-rules")) {
            allRules = true;
        } else if (a == QLatin1String("--dictionaries") && i + 1 < args.size()) {
            dictFolder = args[++i];
        } else if (a == QLatin1String("-q") || a == QLatin1String("--quiet")) {
            quiet = true;
        } else if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            throw TDError(QStringLiteral("Неизвестный параметр %1 (см. tarv-cli --help)").arg(a));
        } else if (file.isEmpty()) {
            file = a;
        } else {
            throw TDError(QStringLiteral("Лишний аргумент %1 (см. tarv-cli --help)").arg(a));
        }
    }
    if (file.isEmpty())
        throw TDError(QStringLiteral("Не указан файл (см. tarv-cli --help)"));

    QElapsedTimer timer;
    timer.start();
    LoadDictionariesFrom(dictFolder);

    TDDocument document;
    LoadDocument(file, document);
    const QStringList& lines = document.CommonFile().Lines();
    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries entries;
    FindAllWordsInText(lines, words, groups, entries, withYo, restriction, allRules);

    int unique = 0;
    if (!quiet) {
        QList<TDContextEntry*> ordered(entries.begin(), entries.end());
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const TDContextEntry* a, const TDContextEntry* b) {
                             return a->Line() != b->Line() ? a->Line() < b->Line() : a->ChID() < b->ChID();
                         });
        QString out;
        for (const TDContextEntry* e : ordered) {
            out += QStringLiteral("%1:%2  %3 → %4  %5  %6  …%7[%8]%9…\n")
                       .arg(e->Line() + 1)
                       .arg(e->ChID())
                       .arg(e->TextE(), e->TextYo(), QString::number(e->ReplaceLevel()),
                            e->RuleN() == kRuleNone ? QStringLiteral("-") : QString::number(e->RuleN()),
                            e->BeforeShort(), e->TextE(), e->AfterShort());
            if (out.size() > (1 << 16)) {
                const QByteArray b = out.toUtf8();
                std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
                out.clear();
            }
        }
        const QByteArray b = out.toUtf8();
        std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
        std::fflush(stdout);
    }
    for (const TDWord2Replace* w : words) {
        if (w->Uniqueness())
            ++unique;
    }
    PrintErr(QStringLiteral("Найдено вхождений: %1; словоформ: %2 (однозначных %3, неоднозначных %4); "
                            "строк: %5; %6 сек.")
                 .arg(entries.Count())
                 .arg(words.Count())
                 .arg(unique)
                 .arg(words.Count() - unique)
                 .arg(lines.size())
                 .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 2));
    return entries.Count() > 0 ? 1 : 0;
}
