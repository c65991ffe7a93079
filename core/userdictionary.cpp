#include "userdictionary.h"

#include "error.h"
#include "textfile.h"

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
    try {
        const QStringList lines = ReadTextFileLines(fileName);
        return DictionaryKindOfFirstLine(lines.isEmpty() ? QString() : lines.first());
    } catch (const TDError&) {
        return 0;
    }
}
