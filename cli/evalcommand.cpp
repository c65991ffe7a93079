#include "clicommon.h"
#include "commands.h"

#include "contextentries.h"
#include "contextentry.h"
#include "decisions.h"
#include "error.h"
#include "linereplacer.h"
#include "plaintextanalyser.h"
#include "strutils.h"
#include "textfile.h"
#include "words2replace.h"

#include <QElapsedTimer>
#include <QHash>

#include <algorithm>

namespace {

bool IsCyrillicLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451;
}

// The Cyrillic word around position pos of line, in lower case with «ё» as the truth writes it.
QString WordAt(const QString& truthLine, qsizetype pos) {
    qsizetype b = pos;
    qsizetype e = pos + 1;
    while (b > 0 && IsCyrillicLetter(truthLine[b - 1]))
        --b;
    while (e < truthLine.size() && IsCyrillicLetter(truthLine[e]))
        ++e;
    return truthLine.mid(b, e - b).toLower();
}

int CountWords(const QStringList& lines) {
    int n = 0;
    for (const QString& line : lines) {
        bool in = false;
        for (QChar c : line) {
            const bool letter = IsCyrillicLetter(c);
            if (letter && !in)
                ++n;
            in = letter;
        }
    }
    return n;
}

QString Top(const QHash<QString, int>& counts, int n) {
    QList<QPair<QString, int>> items;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        items.append({it.key(), it.value()});
    std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    QString out;
    for (int i = 0; i < items.size() && i < n; ++i)
        out += QStringLiteral("  %1 %2\n").arg(items[i].second, 6).arg(items[i].first);
    return out.isEmpty() ? QStringLiteral("  —\n") : out;
}

} // namespace

int RunEval(const QStringList& args) {
    QString file;
    QString dictFolder;
    int restriction = 3;
    int minLevel = 1;
    int top = 20;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto intArg = [&](int lo, int hi) {
            bool ok = false;
            const int v = i + 1 < args.size() ? args[++i].toInt(&ok) : 0;
            if (!ok || v < lo || v > hi)
                throw TDError(QStringLiteral("%1 принимает число от %2 до %3").arg(a).arg(lo).arg(hi));
            return v;
        };
        if (a == QLatin1String("--search"))
            restriction = intArg(1, 3);
        else if (a == QLatin1String("--min-level"))
            minLevel = intArg(1, 2);
        else if (a == QLatin1String("--top"))
            top = intArg(0, 10000);
        else if (a == QLatin1String("--dictionaries") && i + 1 < args.size())
            dictFolder = args[++i];
        else if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-"))
            throw TDError(QStringLiteral("Неизвестный параметр %1 (см. tarv-cli --help)").arg(a));
        else if (file.isEmpty())
            file = a;
        else
            throw TDError(QStringLiteral("Лишний аргумент %1 (см. tarv-cli --help)").arg(a));
    }
    if (file.isEmpty())
        throw TDError(QStringLiteral("Не указан файл с правильно расставленными «ё» (см. tarv-cli --help)"));

    QElapsedTimer timer;
    timer.start();
    LoadDictionariesFrom(dictFolder);
    const QStringList truth = SplitLines(DecodePlainText(ReadInput(file)));
    QStringList lines;
    lines.reserve(truth.size());
    for (const QString& t : truth)
        lines.append(YoToE(t));

    TDWords2Replace words;
    TDWords2Replace groups;
    TDContextEntries entries;
    FindAllWordsInText(lines, words, groups, entries, false, restriction, false);
    AgreeWithSuggestions(entries, minLevel);
    int undecided = 0;
    for (const TDContextEntry* e : entries) {
        if (e->CheckedState() == cbGrayed)
            ++undecided;
    }
    TDLineReplacer replacer;
    replacer.Replace(lines, entries);

    qint64 restored = 0, missed = 0, wrong = 0;
    QHash<QString, int> missedWords;
    QHash<QString, int> wrongWords;
    for (qsizetype li = 0; li < truth.size(); ++li) {
        const QString& t = truth[li];
        const QString& o = lines[li];
        for (qsizetype i = 0; i < t.size(); ++i) {
            const bool truthYo = t[i] == QChar(0x0451) || t[i] == QChar(0x0401);
            const bool outYo = o[i] == QChar(0x0451) || o[i] == QChar(0x0401);
            if (truthYo && outYo) {
                ++restored;
            } else if (truthYo) {
                ++missed;
                missedWords[WordAt(t, i)]++;
            } else if (outYo) {
                ++wrong;
                wrongWords[WordAt(o, i)]++;
            }
        }
    }
    const double precision = restored + wrong > 0 ? double(restored) / double(restored + wrong) : 1.0;
    const double recall = restored + missed > 0 ? double(restored) / double(restored + missed) : 1.0;
    const double f1 = precision + recall > 0 ? 2 * precision * recall / (precision + recall) : 0.0;
    const int wordCount = CountWords(truth);

    QString report;
    report += QStringLiteral("ё в эталоне:        %1\n").arg(restored + missed);
    report += QStringLiteral("восстановлено:      %1\n").arg(restored);
    report += QStringLiteral("пропущено:          %1\n").arg(missed);
    report += QStringLiteral("лишних:             %1\n").arg(wrong);
    report += QStringLiteral("точность:           %1\n").arg(precision, 0, 'f', 4);
    report += QStringLiteral("полнота:            %1\n").arg(recall, 0, 'f', 4);
    report += QStringLiteral("F1:                 %1\n").arg(f1, 0, 'f', 4);
    report += QStringLiteral("слов в тексте:      %1\n").arg(wordCount);
    report += QStringLiteral("нерешённых вхождений: %1 (%2 на 1000 слов)\n")
                  .arg(undecided)
                  .arg(wordCount > 0 ? 1000.0 * undecided / wordCount : 0.0, 0, 'f', 2);
    report += QStringLiteral("\nЧаще всего пропущены:\n") + Top(missedWords, top);
    report += QStringLiteral("\nЧаще всего лишние:\n") + Top(wrongWords, top);
    PrintOut(report);
    PrintErr(QStringLiteral("Оценка заняла %1 сек.").arg(double(timer.elapsed()) / 1000.0, 0, 'f', 2));
    return 0;
}
