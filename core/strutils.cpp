#include "strutils.h"

namespace {
constexpr QChar kYoLower(0x0451);
constexpr QChar kYoUpper(0x0401);
constexpr QChar kELower(0x0435);
constexpr QChar kEUpper(0x0415);
} // namespace

TDTextSlice ShortenBefore(const TDTextSlice& text, qsizetype maxLen) {
    const qsizetype len = text.Size();
    if (len <= maxLen)
        return text;
    // The last space at a 1-based position not greater than len - maxLen.
    const QStringView v = text.View();
    for (qsizetype i = len - maxLen - 1; i >= 0; --i) {
        if (v[i] == QLatin1Char(' '))
            return TDTextSlice(text.Source(), text.Pos() + i + 1, len - i - 1);
    }
    return text;
}

QString ShortenBefore(const QString& text, qsizetype maxLen) {
    return ShortenBefore(TDTextSlice(text), maxLen).ToString();
}

TDTextSlice ShortenAfter(const TDTextSlice& text, qsizetype maxLen) {
    const qsizetype len = text.Size();
    if (len <= maxLen)
        return text;
    // The first space at a 1-based position of at least maxLen.
    const QStringView v = text.View();
    for (qsizetype i = maxLen - 1; i < len; ++i) {
        if (v[i] == QLatin1Char(' '))
            return TDTextSlice(text.Source(), text.Pos(), i);
    }
    return text;
}

QString ShortenAfter(const QString& text, qsizetype maxLen) {
    return ShortenAfter(TDTextSlice(text), maxLen).ToString();
}

TDTextSlice CleanShort(const TDTextSlice& text) {
    const QStringView v = text.View();
    bool plain = true;
    for (QChar c : v) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t')) {
            plain = false;
            break;
        }
    }
    if (plain)
        return text;
    QString out;
    out.reserve(v.size());
    for (QChar c : v) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            continue;
        out.append(c == QLatin1Char('\t') ? QChar(QLatin1Char(' ')) : c);
    }
    return TDTextSlice(out);
}

QString YoToLowerE(const QString& word) {
    QString out = word;
    out.replace(kYoLower, kELower);
    out.replace(kYoUpper, kELower);
    return out;
}

QString YoToE(const QString& word) {
    QString out = word;
    out.replace(kYoLower, kELower);
    out.replace(kYoUpper, kEUpper);
    return out;
}

QString ApplyYoPattern(const QString& word, const QString& pattern) {
    QString out = word;
    const qsizetype n = qMin(word.size(), pattern.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (pattern[i] != kYoLower && pattern[i] != kYoUpper)
            continue;
        if (out[i] == kELower)
            out[i] = kYoLower;
        else if (out[i] == kEUpper)
            out[i] = kYoUpper;
    }
    return out;
}

bool HasYo(QStringView text) {
    for (QChar c : text) {
        if (c == kYoLower || c == kYoUpper)
            return true;
    }
    return false;
}
