#include "userdictionary.h"

#include "error.h"
#include "textfile.h"

#include <QFile>
#include <QRegularExpression>

quint8 DictionaryKindOfFirstLine(const QString& firstLine) {
    QString folded = firstLine;
    for (QChar& c : folded) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    }
    if (folded == QLatin1String(";context"))
        return TDUserDictionary::kindContextRules;
    if (firstLine.contains(QLatin1Char('\t')))
        return TDUserDictionary::kindAmbiguous;
    return TDUserDictionary::kindUnambiguous;
}

quint8 DictionaryKindOfFile(const QString& fileName) {
    // The first line as the dictionary loader will read it: a byte-order mark selects UTF-8 or UTF-16
    // and is not part of the line, otherwise the bytes are windows-1251. A first line is short; only
    // the start of the file is read.
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray head = f.read(64 * 1024);
    if (f.error() != QFileDevice::NoError)
        return 0;
    try {
        QString text = DecodeTextBytes(head);
        const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
        if (end >= 0)
            text.truncate(end);
        return DictionaryKindOfFirstLine(text);
    } catch (const TDError&) {
        return 0;
    }
}
