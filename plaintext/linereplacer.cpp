#include "linereplacer.h"

#include "contextentries.h"
#include "contextentry.h"
#include "decisions.h"

namespace {
constexpr char16_t kYo = 0x0451, kYoCap = 0x0401, kE = 0x0435, kECap = 0x0415;

// Whether line holds the word of pure at start with "е" (toYo) or "ё" (!toYo) at every place where pure
// has "ё"; the other letters are not compared, as the document may spell them in any case.
bool HoldsWord(const QString& line, qsizetype start, const QString& pure, bool toYo) {
    if (start < 0 || start + pure.size() > line.size())
        return false;
    for (qsizetype i = 0; i < pure.size(); ++i) {
        const char16_t want = pure[i].unicode();
        const char16_t have = line[start + i].unicode();
        if (want == kYo && have != (toYo ? kE : kYo))
            return false;
        if (want == kYoCap && have != (toYo ? kECap : kYoCap))
            return false;
    }
    return true;
}
} // namespace

int TDLineReplacer::ReadYoInDoc(const QStringList& lines, const TDContextEntries& entries) {
    int misplaced = 0;
    for (TDContextEntry* e : entries) {
        if (!HasDocumentPlace(*e))
            continue;
        const qsizetype start = qsizetype(e->ChID()) - 1;
        const bool inRange = e->Line() >= 0 && e->Line() < lines.size();
        if (inRange && HoldsWord(lines[e->Line()], start, e->TextYoPure(), true))
            e->SetIsYoInDoc(false);
        else if (inRange && HoldsWord(lines[e->Line()], start, e->TextYoPure(), false))
            e->SetIsYoInDoc(true);
        else
            ++misplaced;
    }
    return misplaced;
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
        if (!HoldsWord(line, start, pure, toYo)) {
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
