#include "contextreg.h"

#include "error.h"
#include "tdregex.h"

#include <algorithm>

const TDRuleMatchCache::Match* TDRuleMatchCache::FirstEndingAfter(const TDRegex& regex, QStringView subject,
                                                                  qsizetype after) {
    Scan& scan = fScans[Key{&regex, subject.data(), subject.size()}];
    auto endsAfter = [after](const Match& m) {
        return m.Start + m.Length > after;
    };
    // Matches do not overlap, so their ends rise: the first that ends behind `after` is found by
    // bisection among those already known, or by scanning on.
    auto it = std::partition_point(scan.Matches.cbegin(), scan.Matches.cend(),
                                   [&](const Match& m) { return !endsAfter(m); });
    if (it != scan.Matches.cend())
        return &*it;
    if (scan.Resume < 0)
        return nullptr;
    const Key textKey{nullptr, subject.data(), subject.size()};
    auto t = fTexts.find(textKey);
    if (t == fTexts.end())
        t = fTexts.insert(textKey, Text{TDRegex::Sanitized(subject), QString()});
    const QStringView text = t->Sanitized.isNull() ? subject : QStringView(t->Sanitized);
    bool found = false;
    auto onMatch = [&](qsizetype start, qsizetype length) {
        scan.Matches.append(Match{start, length});
        found = endsAfter(scan.Matches.last());
        return !found;
    };
    if (regex.Prefix().isEmpty()) {
        scan.Resume = regex.ScanFrom(text, scan.Resume, onMatch);
    } else {
        if (t->Folded.isNull())
            t->Folded = TDRegex::CaseFolded(text);
        scan.Resume = regex.ScanFromFolded(text, t->Folded, scan.Resume, onMatch);
    }
    return found ? &scan.Matches.last() : nullptr;
}

TDContextReg::TDContextReg(int n, const QString& word) : fN(n), fWord(word) {}

TDContextReg::~TDContextReg() = default;

void TDContextReg::AddNew(const QString& ARegEx, int AReplaceLevel) {
    fWordRegExes.append(ARegEx);
    fReplaceLevel.append(AReplaceLevel);
}

const TDRegex& TDContextReg::Regex(int i) const {
    if (fCompiled.size() < size_t(fWordRegExes.size()))
        fCompiled.resize(size_t(fWordRegExes.size()));
    std::unique_ptr<TDRegex>& slot = fCompiled[size_t(i)];
    if (!slot) {
        try {
            slot = std::make_unique<TDRegex>(fWordRegExes[i]);
        } catch (const TDError& e) {
            throw TDError(QStringLiteral("Правило %1 для слова «%2» не компилируется. %3")
                              .arg(i + 1)
                              .arg(fWord, e.Message()));
        }
    }
    return *slot;
}

namespace {

// The suggestion of a rule that says "ё": the matched stretch with the word put in its ё-form.
QString SuggestionWithYo(QStringView match, qsizetype matchStart, qsizetype wordStart, qsizetype wordLen,
                         const QString& wordYo) {
    const qsizetype p = wordStart - matchStart; // the word's place in the match
    if (p >= 0 && p + wordLen <= match.size()) {
        QString out = match.left(p).toString();
        out += wordYo;
        out += match.mid(p + wordYo.size()).left(255);
        return out;
    }
    // The match cuts into the word: write the ё-form over the letters the two share.
    QString out = match.toString();
    for (qsizetype i = 0; i < wordLen && i < wordYo.size(); ++i) {
        const qsizetype at = p + i;
        if (at >= 0 && at < out.size())
            out[at] = wordYo[i];
    }
    return out;
}

} // namespace

QString TDContextReg::AnalyzeIn(const QString& AWordYo, QStringView T, qsizetype& beforeLen,
                                qsizetype& textELen, int& AReplaceLevel, int& ARuleN, QList<int>& ARuleNs,
                                bool ALLRULES, TDRuleMatchCache* cache) const {
    QString result = AWordYo;
    ARuleNs.clear();
    const qsizetype wordStart = beforeLen;
    const qsizetype wordLen = textELen;
    const bool allRules = ALLRULES && AWordYo == QStringLiteral("всё");
    bool decided = false;

    for (int i = 0; i < fWordRegExes.size(); ++i) {
        const TDRegex& regex = Regex(i);
        // A match covers the word when it ends after the context before it and starts no later
        // than the word's last letter. Matches come in order, so the first match that ends behind
        // the context is the only one that can cover.
        qsizetype coverStart = -1;
        qsizetype coverLen = 0;
        auto consider = [&](qsizetype start, qsizetype length) {
            if (start + length <= beforeLen)
                return true; // not there yet
            if (start < beforeLen + textELen) {
                coverStart = start;
                coverLen = length;
            }
            return false;
        };
        if (cache) {
            if (const TDRuleMatchCache::Match* m = cache->FirstEndingAfter(regex, T, beforeLen))
                consider(m->Start, m->Length);
        } else {
            regex.ForEachMatch(T, consider);
        }
        if (coverStart < 0)
            continue;
        if (!decided) {
            decided = true;
            const QStringView match = T.mid(coverStart, coverLen);
            beforeLen = coverStart;
            textELen = coverLen;
            AReplaceLevel = fReplaceLevel[i];
            ARuleN = i + 1;
            result = fReplaceLevel[i] > 0 ? SuggestionWithYo(match, coverStart, wordStart, wordLen, AWordYo)
                                          : match.toString();
        }
        ARuleNs.append(i + 1);
        if (!allRules)
            break;
    }
    return result;
}

QString TDContextReg::Analyze(const QString& AWordYo, QString& ABefore, QString& AAfter, QString& ATextE,
                              int& AReplaceLevel, int& ARuleN, QList<int>& ARuleNs, bool ALLRULES) const {
    const QString T = ABefore + ATextE + AAfter;
    qsizetype beforeLen = ABefore.size();
    qsizetype textELen = ATextE.size();
    const QString result =
        AnalyzeIn(AWordYo, T, beforeLen, textELen, AReplaceLevel, ARuleN, ARuleNs, ALLRULES);
    if (!ARuleNs.isEmpty()) {
        ABefore = T.left(beforeLen);
        ATextE = T.mid(beforeLen, textELen);
        AAfter = T.mid(beforeLen + textELen);
    }
    return result;
}
