#pragma once

#include <QString>
#include <QStringView>
#include <functional>

struct pcre2_real_code_16;
struct pcre2_real_match_data_16;
struct pcre2_real_match_context_16;

// A compiled Perl-compatible pattern, matched directly on UTF-16 text. It is compiled once, in UTF
// mode, caseless, multi-line and dot-all, with any line-break sequence as a newline, and JIT-compiled
// where the platform allows.
class TDRegex {
public:
    // Compiles pattern; throws TDError with the engine's message when it cannot.
    explicit TDRegex(const QString& pattern);
    ~TDRegex();
    TDRegex(const TDRegex&) = delete;
    TDRegex& operator=(const TDRegex&) = delete;

    // The pattern as given.
    const QString& Pattern() const { return fPattern; }

    // Calls onMatch(start, length) for every match in subject, from left to right without overlap,
    // with 0-based offsets into subject; stops early when onMatch returns false. Text with unpaired
    // surrogates is matched as if each were U+FFFD, so offsets stay valid.
    void ForEachMatch(QStringView subject, const std::function<bool(qsizetype, qsizetype)>& onMatch) const;

    // Continues a scan of subject (valid UTF-16, see Sanitized) at offset, where an earlier scan stopped.
    // Returns the offset to continue from after onMatch returned false, or -1 when the subject is done.
    qsizetype ScanFrom(QStringView subject, qsizetype offset,
                       const std::function<bool(qsizetype, qsizetype)>& onMatch) const;

    // The same as ScanFrom, given also the case-folded subject (CaseFolded): a pattern whose every
    // match begins with a literal run of letters is tried only where the folded text holds it.
    qsizetype ScanFromFolded(QStringView subject, QStringView folded, qsizetype offset,
                             const std::function<bool(qsizetype, qsizetype)>& onMatch) const;
    // The literal run of Cyrillic letters (case-folded) that every match of the pattern begins with,
    // or an empty string when the pattern gives none that is sure.
    const QString& Prefix() const { return fPrefix; }
    static QString LiteralPrefix(const QString& pattern);
    // Text with every character case-folded, length kept.
    static QString CaseFolded(QStringView text);

    // Text with every unpaired surrogate made U+FFFD (same length), or a null string when text has none.
    static QString Sanitized(QStringView text);

    // The compile error message of a pattern, or an empty string when it compiles.
    static QString CompileError(const QString& pattern);

private:
    int MatchAt(QStringView subject, qsizetype offset, bool checkUtf) const;
    qsizetype Loop(QStringView subject, int rc,
                   const std::function<bool(qsizetype, qsizetype)>& onMatch) const;

    QString fPattern;
    QString fPrefix;
    pcre2_real_code_16* fCode = nullptr;
    mutable pcre2_real_code_16* fAnchored = nullptr; // the pattern anchored, for ScanFromFolded
    pcre2_real_match_data_16* fMatchData = nullptr;
    pcre2_real_match_context_16* fMatchContext = nullptr;
};
