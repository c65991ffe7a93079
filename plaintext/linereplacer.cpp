#include "linereplacer.h"

#include "contextentries.h"
#include "contextentry.h"
#include "decisions.h"

namespace {
constexpr char16_t kYo = 0x0451, kYoCap = 0x0401, kE = 0x0435, kECap = 0x0415;
}

int TDLineReplacer::Replace(QStringList& lines, const TDContextEntries& entries) {
    fSkipped = 0;
    int changed = 0;
    const int total = entries.Count();
    for (int p = 0; p < total; ++p) {
        if (OnProgress)
            OnProgress(p, total);
        TDContextEntry* e = entries[p];
        if (!e->Visible() || !NeedsChange(*e))
            continue;
        const QString& pure = e->TextYoPure();
        const bool toYo = !e->IsYoInDoc();
        if (e->Line() < 0 || e->Line() >= lines.size()) {
            ++fSkipped;
            continue;
        }
        QString& line = lines[e->Line()];
        const qsizetype start = qsizetype(e->ChID()) - 1;
        // The document must still hold the word where the analysis found it.
        bool fits = start >= 0 && start + pure.size() <= line.size();
        for (qsizetype i = 0; fits && i < pure.size(); ++i) {
            const char16_t want = pure[i].unicode();
            const char16_t have = line[start + i].unicode();
            if (want == kYo)
                fits = have == (toYo ? kE : kYo);
            else if (want == kYoCap)
                fits = have == (toYo ? kECap : kYoCap);
        }
        if (!fits) {
            ++fSkipped;
            continue;
        }
        for (qsizetype i = 0; i < pure.size(); ++i) {
            const char16_t want = pure[i].unicode();
            if (want != kYo && want != kYoCap)
                continue;
            const QChar letter = want == kYo ? QChar(toYo ? kYo : kE) : QChar(toYo ? kYoCap : kECap);
            line[start + i] = letter;
            if (OnLetter)
                OnLetter(*e, e->Line(), start + i, letter);
        }
        e->SetIsYoInDoc(e->CheckedState() == cbChecked);
        ++changed;
    }
    if (OnProgress)
        OnProgress(total, total);
    return changed;
}
