#include "dualsdictionary.h"

#include "strutils.h"
#include "textfile.h"

#include <QFileInfo>

QStringList SplitTabColumns(const QString& line, int maxColumns) {
    qsizetype b = 0;
    qsizetype e = line.size();
    while (b < e && line[b] == QLatin1Char('\t'))
        ++b;
    while (e > b && line[e - 1] == QLatin1Char('\t'))
        --e;
    QStringList columns;
    if (b == e)
        return columns;
    bool inQuotes = false;
    qsizetype start = b;
    for (qsizetype i = b; i < e; ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
        } else if (c == QLatin1Char('\t') && !inQuotes) {
            columns.append(line.mid(start, i - start));
            start = i + 1;
            if (columns.size() == maxColumns)
                return columns;
        }
    }
    columns.append(line.mid(start, e - start));
    while (columns.size() > maxColumns)
        columns.removeLast();
    return columns;
}

int ParseLevel(const QString& text, bool* ok) {
    bool good = false;
    const int v = text.trimmed().toInt(&good);
    if (ok)
        *ok = good;
    return good ? v : 0;
}

int TDDualsDictionary::DefaultLevelAt(int i) const {
    return ParseLevel(fDefaultReplaceLevel[i]);
}

void TDDualsDictionary::LoadFromFile(const QString& AFileName, bool Append) {
    if (!Append)
        Clear();
    if (!QFileInfo::exists(AFileName))
        return;
    for (const QString& line : ReadTextFileLines(AFileName))
        AddLine(line);
}

void TDDualsDictionary::AddLine(const QString& line) {
    const QStringList cols = SplitTabColumns(line);
    if (cols.isEmpty())
        return; // an empty line
    TDDualDetails details;
    details.WordYo = cols[0];
    details.WordE = YoToLowerE(cols[0]);
    const QString levelText = cols.size() > 1 ? cols[1] : QStringLiteral("0");
    if (fUniqueDualEWords.IndexOf(details.WordE) < 0) {
        fUniqueDualEWords.Add(details.WordE);
        fUniqueDualYoWords.Add(details.WordYo);
        fDefaultReplaceLevel.append(levelText);
    }
    if (cols.size() > 2) {
        if (cols[2] == QLatin1String("1"))
            details.WordKind = wkAllowableYo;
        else if (cols[2] == QLatin1String("2"))
            details.WordKind = wkAllowableE;
    }
    details.ReplaceLevel = cols.size() > 1 ? ParseLevel(cols[1]) : 0;
    fDetails.append(details);
}

void TDDualsDictionary::Intern(QSet<QString>& pool) {
    fUniqueDualEWords.Intern(pool);
    fUniqueDualYoWords.Intern(pool);
    for (QString& s : fDefaultReplaceLevel)
        s = InternString(pool, s);
    for (TDDualDetails& d : fDetails) {
        d.WordYo = InternString(pool, d.WordYo);
        d.WordE = InternString(pool, d.WordE);
    }
}

void TDDualsDictionary::Clear() {
    fUniqueDualEWords.Clear();
    fUniqueDualYoWords.Clear();
    fDefaultReplaceLevel.clear();
    fDetails.clear();
}
