#include "rtfdocument.h"

#include "error.h"
#include "rtfreader.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray Hex(uchar byte) {
    static const char digits[] = "0123456789abcdef";
    QByteArray out("\\'");
    out.append(digits[byte >> 4]);
    out.append(digits[byte & 0xF]);
    return out;
}

bool IsSpace(QChar c) {
    return c == u' ' || c == QChar(0x00A0);
}

} // namespace

void TDRtfDocument::Load(const QByteArray& rtf) {
    TDRtfReader reader(rtf);
    reader.Read();
    fSource = rtf;
    fLines = std::move(reader.Lines());
    fOriginalLines = fLines;
    fSpans = std::move(reader.Spans());
    fCodePages = std::move(reader.CodePages());
    fPatches.clear();
}

void TDRtfDocument::LoadFromFile(const QString& fileName) {
    const QString shown = QDir::toNativeSeparators(fileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw TDError(QStringLiteral("Не удалось открыть файл «%1»: %2").arg(shown, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TDError(QStringLiteral("Не удалось прочитать файл «%1»: %2").arg(shown, file.errorString()));
    try {
        Load(bytes);
    } catch (const TDError& e) {
        throw TDError(QStringLiteral("«%1»: %2").arg(shown, e.Message()));
    }
}

void TDRtfDocument::SetChar(int line, qsizetype pos, QChar c) {
    if (line < 0 || line >= fLines.size() || pos < 0 || pos >= fLines[line].size())
        throw TDError(QStringLiteral("В документе RTF нет символа в абзаце %1, позиции %2.")
                          .arg(line + 1)
                          .arg(pos + 1));
    const TDRtfSpan& span = fSpans[size_t(line)][size_t(pos)];
    if (c == fOriginalLines[line][pos])
        fPatches.erase(span.Start);
    else
        fPatches[span.Start] = Patch{span.Length, Spell(span, c)};
    fLines[line][pos] = c;
}

int TDRtfDocument::ApplyDashRule() {
    int count = 0;
    for (int line = 0; line < fLines.size(); ++line) {
        for (qsizetype pos = 1; pos + 1 < fLines[line].size(); ++pos) {
            const QString& text = fLines[line];
            if (text[pos] == u'-' && IsSpace(text[pos - 1]) && IsSpace(text[pos + 1])) {
                SetChar(line, pos, QChar(0x2014));
                ++count;
            }
        }
    }
    return count;
}

QByteArray TDRtfDocument::ToBytes() const {
    if (fPatches.empty())
        return fSource;
    QByteArray out;
    out.reserve(fSource.size() + qsizetype(fPatches.size()) * 8);
    qsizetype at = 0;
    for (const auto& [start, patch] : fPatches) {
        out.append(fSource.constData() + at, start - at);
        out.append(patch.Bytes);
        at = start + patch.Length;
    }
    out.append(fSource.constData() + at, fSource.size() - at);
    return out;
}

// How the document would write c where the span stands: a \'hh stays \'hh and a raw 8-bit byte stays
// raw when the code page holds c; anything else becomes \uN with as many fallback characters as the
// \uc in force asks for. Plain ASCII is written as \'hh, so that it cannot run into a control word
// just before it.
QByteArray TDRtfDocument::Spell(const TDRtfSpan& span, QChar c) const {
    if (c == u'\t')
        return QByteArrayLiteral("\\tab ");
    if (c.unicode() < 0x80)
        return Hex(uchar(c.unicode()));
    const TDRtfCodePage& codePage = fCodePages[span.CodePage];
    uchar byte = 0;
    const bool inCodePage = codePage.Encode(c, &byte);
    if (inCodePage && span.Kind == TDRtfCharKind::Hex)
        return Hex(byte);
    if (inCodePage && span.Kind == TDRtfCharKind::Raw && uchar(fSource[span.Start]) >= 0x80)
        return QByteArray(1, char(byte));

    const int code = c.unicode();
    QByteArray out = "\\u" + QByteArray::number(code > 0x7FFF ? code - 0x10000 : code);
    if (span.SkipCount == 0)
        return out + ' ';
    out += inCodePage && byte >= 0x80 ? Hex(byte) : QByteArray("?");
    out += QByteArray(span.SkipCount - 1, '?');
    return out;
}
