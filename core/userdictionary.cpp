#include "userdictionary.h"

#include "error.h"
#include "textfile.h"

#include <QFile>

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
    // Only the first line's bytes are read, as windows-1251 with nothing stripped: a byte-order mark
    // stays in front of the line, so such a file is never taken for context rules.
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    QByteArray line;
    char c = 0;
    while (f.getChar(&c) && c != '\n' && c != '\r')
        line.append(c);
    if (f.error() != QFileDevice::NoError)
        return 0;
    try {
        return DictionaryKindOfFirstLine(DecodeWindows1251(line));
    } catch (const TDError&) {
        return 0;
    }
}
