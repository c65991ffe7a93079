#include "dictionary.h"

#include "strutils.h"
#include "textfile.h"

#include <QFileInfo>

bool TDDictionary::LoadFromFile(const QString& AFileName) {
    if (!QFileInfo::exists(AFileName))
        return false;
    for (const QString& line : ReadTextFileLines(AFileName))
        Add(line);
    return true;
}

void TDDictionary::AppendFromFile(const QString& AFileName) {
    if (!QFileInfo::exists(AFileName))
        return;
    for (const QString& line : ReadTextFileLines(AFileName)) {
        if (fYoWords.IndexOf(line) >= 0)
            continue;
        Add(line);
    }
}

void TDDictionary::Add(const QString& wordYo) {
    fYoWords.Add(wordYo);
    fEWords.Add(YoToLowerE(wordYo));
}

void TDDictionary::Intern(QSet<QString>& pool) {
    fEWords.Intern(pool);
    fYoWords.Intern(pool);
}

void TDDictionary::Clear() {
    fEWords.Clear();
    fYoWords.Clear();
}
