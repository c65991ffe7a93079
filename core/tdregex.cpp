#include "tdregex.h"

#include "error.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace {

constexpr uint32_t kCompileOptions = PCRE2_UTF | PCRE2_CASELESS | PCRE2_MULTILINE | PCRE2_DOTALL;

QString ErrorText(int code) {
    PCRE2_UCHAR16 buffer[256];
    const int n = pcre2_get_error_message(code, buffer, 256);
    return n > 0 ? QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer), n) : QString::number(code);
}

pcre2_code_16* Compile(const QString& pattern, int* errorCode, PCRE2_SIZE* errorOffset, uint32_t extra = 0) {
    pcre2_compile_context_16* context = pcre2_compile_context_create(nullptr);
    pcre2_set_newline(context, PCRE2_NEWLINE_ANY);
    pcre2_code_16* code =
        pcre2_compile(reinterpret_cast<PCRE2_SPTR16>(pattern.utf16()), PCRE2_SIZE(pattern.size()),
                      kCompileOptions | extra, errorCode, errorOffset, context);
    pcre2_compile_context_free(context);
    return code;
}

// One JIT stack shared by every pattern: the analysis runs on one thread.
pcre2_jit_stack_16* SharedJitStack() {
    static pcre2_jit_stack_16* stack = pcre2_jit_stack_create(32 * 1024, 1024 * 1024, nullptr);
    return stack;
}

bool IsUtfError(int rc) {
    return rc <= PCRE2_ERROR_UTF16_ERR1 && rc >= PCRE2_ERROR_UTF16_ERR3;
}

} // namespace

TDRegex::TDRegex(const QString& pattern) : fPattern(pattern) {
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    fCode = Compile(pattern, &errorCode, &errorOffset);
    if (!fCode) {
        throw TDError(QStringLiteral("Ошибка в регулярном выражении «%1» (позиция %2): %3")
                          .arg(pattern)
                          .arg(qulonglong(errorOffset) + 1)
                          .arg(ErrorText(errorCode)));
    }
    const bool jit = pcre2_jit_compile(fCode, PCRE2_JIT_COMPLETE) == 0;
    fMatchData = pcre2_match_data_create_from_pattern(fCode, nullptr);
    fPrefix = LiteralPrefix(pattern);
    fMatchContext = pcre2_match_context_create(nullptr);
    if (jit)
        pcre2_jit_stack_assign(fMatchContext, nullptr, SharedJitStack());
}

TDRegex::~TDRegex() {
    pcre2_code_free(fAnchored);
    pcre2_match_context_free(fMatchContext);
    pcre2_match_data_free(fMatchData);
    pcre2_code_free(fCode);
}

QString TDRegex::CompileError(const QString& pattern) {
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    pcre2_code_16* code = Compile(pattern, &errorCode, &errorOffset);
    if (code) {
        pcre2_code_free(code);
        return QString();
    }
    return ErrorText(errorCode);
}

int TDRegex::MatchAt(QStringView subject, qsizetype offset, bool checkUtf) const {
    return pcre2_match(fCode, reinterpret_cast<PCRE2_SPTR16>(subject.utf16()), PCRE2_SIZE(subject.size()),
                       PCRE2_SIZE(offset), checkUtf ? 0 : PCRE2_NO_UTF_CHECK, fMatchData, fMatchContext);
}

QString TDRegex::Sanitized(QStringView text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            if (out.isNull())
                out = text.toString();
            out[i] = QChar(QChar::ReplacementCharacter);
        }
    }
    return out;
}

void TDRegex::ForEachMatch(QStringView subject,
                           const std::function<bool(qsizetype, qsizetype)>& onMatch) const {
    if (subject.isEmpty()) {
        // An empty subject can still hold an empty match.
        static const char16_t empty[1] = {0};
        subject = QStringView(empty, qsizetype(0));
    }
    QString sanitized;
    // The subject is validated once, on the first call; later calls skip the check, which would
    // otherwise rescan the rest of the subject on every match.
    int rc = MatchAt(subject, 0, true);
    if (IsUtfError(rc)) {
        sanitized = Sanitized(subject);
        subject = sanitized;
        rc = MatchAt(subject, 0, false);
    }
    Loop(subject, rc, onMatch);
}

qsizetype TDRegex::ScanFrom(QStringView subject, qsizetype offset,
                            const std::function<bool(qsizetype, qsizetype)>& onMatch) const {
    if (subject.isEmpty()) {
        static const char16_t empty[1] = {0};
        subject = QStringView(empty, qsizetype(0));
    }
    if (offset > subject.size())
        return -1;
    return Loop(subject, MatchAt(subject, offset, false), onMatch);
}

qsizetype TDRegex::Loop(QStringView subject, int rc,
                        const std::function<bool(qsizetype, qsizetype)>& onMatch) const {
    for (;;) {
        if (rc == PCRE2_ERROR_NOMATCH)
            return -1;
        if (rc < 0)
            throw TDError(
                QStringLiteral("Ошибка при поиске по выражению «%1»: %2").arg(fPattern, ErrorText(rc)));
        const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(fMatchData);
        const qsizetype start = qsizetype(ov[0]);
        const qsizetype end = qMax(start, qsizetype(ov[1]));
        qsizetype next = end;
        if (end == start) {
            if (end >= subject.size())
                next = -1;
            else {
                ++next;
                if (next < subject.size() && subject[next - 1].isHighSurrogate() &&
                    subject[next].isLowSurrogate())
                    ++next;
            }
        }
        if (!onMatch(start, end - start))
            return next;
        if (next < 0 || next > subject.size())
            return -1;
        rc = MatchAt(subject, next, false);
    }
}

namespace {

bool IsPrefixLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451;
}

// Walks a pattern from `from`, skipping escapes and character classes, and calls visit(i, c, depth)
// for every other character with the group depth before it; stops when visit returns true and
// gives that index, or -1 at the end. An escape is visited as '\\' followed by its letter.
qsizetype WalkPattern(const QString& p, qsizetype from,
                      const std::function<bool(qsizetype, QChar, int)>& visit) {
    int depth = 0;
    bool inClass = false;
    for (qsizetype i = from; i < p.size(); ++i) {
        const QChar c = p[i];
        if (c == QLatin1Char('\\')) {
            if (!inClass && i + 1 < p.size() && visit(i, p[i + 1], -1))
                return i;
            ++i;
        } else if (inClass) {
            if (c == QLatin1Char(']'))
                inClass = false;
        } else if (c == QLatin1Char('[')) {
            inClass = true;
            if (i + 1 < p.size() && p[i + 1] == QLatin1Char(']'))
                ++i;
        } else {
            if (c == QLatin1Char(')'))
                --depth;
            if (visit(i, c, depth))
                return i;
            if (c == QLatin1Char('('))
                ++depth;
        }
    }
    return -1;
}

// The end of the group that opens at pattern[open] ('('), or -1.
qsizetype GroupEnd(const QString& p, qsizetype open) {
    return WalkPattern(p, open,
                       [](qsizetype, QChar c, int depth) { return c == QLatin1Char(')') && depth == 0; });
}

// True when the pattern has an alternative at its top level, or \\K anywhere.
bool HasTopLevelAlternativeOrReset(const QString& p) {
    return WalkPattern(p, 0, [](qsizetype, QChar c, int depth) {
               return (depth == -1 && c == QLatin1Char('K')) || (depth == 0 && c == QLatin1Char('|'));
           }) >= 0;
}

} // namespace

QString TDRegex::LiteralPrefix(const QString& p) {
    if (HasTopLevelAlternativeOrReset(p))
        return QString();
    qsizetype i = 0;
    // Leading verbs such as (*UCP) and look-behind assertions consume nothing.
    for (;;) {
        if (p.mid(i, 2) == QLatin1String("(*") || p.mid(i, 4) == QLatin1String("(?<!") ||
            p.mid(i, 4) == QLatin1String("(?<=")) {
            const qsizetype end = GroupEnd(p, i);
            if (end < 0)
                return QString();
            i = end + 1;
            continue;
        }
        break;
    }
    QString prefix;
    for (; i < p.size() && IsPrefixLetter(p[i]); ++i) {
        const QChar next = i + 1 < p.size() ? p[i + 1] : QChar();
        if (next == QLatin1Char('?') || next == QLatin1Char('*') || next == QLatin1Char('{') ||
            next == QLatin1Char('+'))
            break;
        prefix += p[i].toCaseFolded();
    }
    return prefix.size() >= 2 ? prefix : QString();
}

QString TDRegex::CaseFolded(QStringView text) {
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = text[i].toCaseFolded();
    return out;
}

qsizetype TDRegex::ScanFromFolded(QStringView subject, QStringView folded, qsizetype offset,
                                  const std::function<bool(qsizetype, qsizetype)>& onMatch) const {
    if (fPrefix.isEmpty())
        return ScanFrom(subject, offset, onMatch);
    if (!fAnchored) {
        int errorCode = 0;
        PCRE2_SIZE errorOffset = 0;
        fAnchored = Compile(fPattern, &errorCode, &errorOffset, PCRE2_ANCHORED);
        if (!fAnchored)
            return ScanFrom(subject, offset, onMatch);
        pcre2_jit_compile(fAnchored, PCRE2_JIT_COMPLETE);
    }
    // Every match begins with the literal prefix, so a match can only start where the folded text
    // holds it; an anchored attempt there finds what an unanchored search would find first.
    while (offset >= 0 && offset <= subject.size()) {
        const qsizetype at = folded.indexOf(QStringView(fPrefix), offset);
        if (at < 0)
            return -1;
        const int rc = pcre2_match(fAnchored, reinterpret_cast<PCRE2_SPTR16>(subject.utf16()),
                                   PCRE2_SIZE(subject.size()), PCRE2_SIZE(at), PCRE2_NO_UTF_CHECK, fMatchData,
                                   fMatchContext);
        if (rc == PCRE2_ERROR_NOMATCH) {
            offset = at + 1;
            continue;
        }
        if (rc < 0)
            throw TDError(
                QStringLiteral("Ошибка при поиске по выражению «%1»: %2").arg(fPattern, ErrorText(rc)));
        const PCRE2_SIZE* ov = pcre2_get_ovector_pointer(fMatchData);
        const qsizetype start = qsizetype(ov[0]);
        const qsizetype end = qMax(start, qsizetype(ov[1]));
        const qsizetype next = end > start ? end : end + 1;
        if (!onMatch(start, end - start))
            return next <= subject.size() ? next : -1;
        offset = next;
    }
    return -1;
}
