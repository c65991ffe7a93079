#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <vector>

class TDRegex;

// Remembers the matches of rule patterns over one stretch of text, so that the words of one line
// that share their context do not rescan it for every word. The text is scanned only as far as the
// words asked about need. Clear it whenever the text changes.
class TDRuleMatchCache {
public:
    struct Match {
        qsizetype Start;
        qsizetype Length;
    };
    // The first match of regex over subject, in the left-to-right sequence of matches without
    // overlap, that ends behind offset `after`; null when there is none.
    const Match* FirstEndingAfter(const TDRegex& regex, QStringView subject, qsizetype after);
    void Clear() {
        fScans.clear();
        fTexts.clear();
    }

private:
    struct Key {
        const TDRegex* Regex;
        const QChar* Data;
        qsizetype Size;
        bool operator==(const Key& o) const { return Regex == o.Regex && Data == o.Data && Size == o.Size; }
    };
    struct Scan {
        QList<Match> Matches; // found so far, in order
        qsizetype Resume = 0; // where the scan goes on; -1 when the text is done
    };
    struct Text {
        QString Sanitized; // the text with unpaired surrogates replaced, when it has any
        QString Folded;    // the text case-folded, made when a pattern with a literal prefix asks
    };
    friend size_t qHash(const Key& k, size_t seed) { return qHashMulti(seed, k.Regex, k.Data, k.Size); }
    QHash<Key, Scan> fScans;
    QHash<Key, Text> fTexts; // per text (Regex null): checked once for all rules
};

// The context rules of one word: patterns with the replace level each gives.
class TDContextReg {
public:
    TDContextReg(int n, const QString& word);
    ~TDContextReg();
    TDContextReg(const TDContextReg&) = delete;
    TDContextReg& operator=(const TDContextReg&) = delete;

    // 0-based position in the rule list.
    int N() const { return fN; }
    // The word (its lower-case ё-form), compared exactly.
    const QString& Word() const { return fWord; }
    // The patterns, in file order, and the level each gives.
    const QStringList& WordRegExes() const { return fWordRegExes; }
    const QList<int>& ReplaceLevel() const { return fReplaceLevel; }

    // Appends one rule.
    void AddNew(const QString& ARegEx, int AReplaceLevel);

    // Decides an occurrence: the first rule whose match in ABefore + ATextE + AAfter covers the word
    // narrows the context to its match, sets the level and the rule number, and yields the suggestion
    // (the matched stretch, with the word in its ё-form when the level is positive). ARuleNs gets every
    // rule that covered; for "всё" with ALLRULES the later rules are tried too. Without a covering rule
    // the arguments stay and the result is AWordYo. Throws TDError when a pattern does not compile.
    QString Analyze(const QString& AWordYo, QString& ABefore, QString& AAfter, QString& ATextE,
                    int& AReplaceLevel, int& ARuleN, QList<int>& ARuleNs, bool ALLRULES) const;

    // The same on a text T given whole, with the word at [beforeLen, beforeLen + textELen); the two
    // lengths are narrowed in place. With a cache, matches over T are computed once per rule.
    QString AnalyzeIn(const QString& AWordYo, QStringView T, qsizetype& beforeLen, qsizetype& textELen,
                      int& AReplaceLevel, int& ARuleN, QList<int>& ARuleNs, bool ALLRULES,
                      TDRuleMatchCache* cache = nullptr) const;

    // The compiled pattern of rule i (0-based), compiled on first use.
    const TDRegex& Regex(int i) const;

private:
    int fN;
    QString fWord;
    QStringList fWordRegExes;
    QList<int> fReplaceLevel;
    mutable std::vector<std::unique_ptr<TDRegex>> fCompiled;
};
