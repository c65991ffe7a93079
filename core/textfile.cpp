#include "textfile.h"

#include "error.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

QString DecodeWindows1251(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid())
        throw TDError(QStringLiteral("Кодировка windows-1251 недоступна в этой сборке Qt"));
    return decoder.decode(bytes);
}

namespace {

// Unicode -> windows-1251, derived once from the platform's decoder.
const QHash<char16_t, char>& Windows1251Table() {
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        QByteArray all(256, 0);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        const QString decoded = DecodeWindows1251(all);
        for (int b = 0; b < 256 && b < decoded.size(); ++b) {
            const char16_t u = decoded[b].unicode();
            if (u != 0xFFFD && !t.contains(u))
                t.insert(u, char(b));
        }
        return t;
    }();
    return table;
}

} // namespace

QByteArray EncodeWindows1251(const QString& text, qsizetype* firstUnmappable) {
    const QHash<char16_t, char>& table = Windows1251Table();
    if (firstUnmappable)
        *firstUnmappable = -1;
    QByteArray out(text.size(), Qt::Uninitialized);
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        char b;
        if (u < 0x80) {
            b = char(u);
        } else {
            auto it = table.constFind(u);
            if (it != table.cend()) {
                b = it.value();
            } else {
                if (firstUnmappable && *firstUnmappable < 0)
                    *firstUnmappable = i;
                b = '?';
                if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                    ++i; // one "?" for the whole character
            }
        }
        out[n++] = b;
    }
    out.truncate(n);
    return out;
}

QString DecodeTextBytes(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder d(QStringDecoder::Utf16LE);
        return d.decode(QByteArrayView(bytes).sliced(2));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(QStringDecoder::Utf16BE);
        return d.decode(QByteArrayView(bytes).sliced(2));
    }
    return DecodeWindows1251(bytes);
}

QString DecodeUtf8OrWindows1251(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return DecodeTextBytes(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1251(bytes);
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && p[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QStringList ReadTextFileLines(const QString& fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw TDError(QStringLiteral("Не удаётся прочитать файл %1: %2").arg(fileName, f.errorString()));
    return SplitLines(DecodeTextBytes(f.readAll()));
}
