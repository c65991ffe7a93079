#include "morphologybases.h"

#include "textfile.h"

#include <QFileInfo>

void TDMorphologyBases::LoadFromFile(const QString& AFileName) {
    if (!QFileInfo::exists(AFileName))
        return;
    for (const QString& line : ReadTextFileLines(AFileName))
        AddLine(line);
}

void TDMorphologyBases::AddLine(const QString& line) {
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return;
    fYoWords.Add(line.left(tab));
    fMorphBases.Add(line.mid(tab + 1, 255));
}

QString TDMorphologyBases::BaseOf(const QString& wordYo) const {
    const int i = fYoWords.IndexOf(wordYo);
    return i < 0 ? QString() : fMorphBases[i];
}

void TDMorphologyBases::Intern(QSet<QString>& pool) {
    fYoWords.Intern(pool);
    fMorphBases.Intern(pool);
}

void TDMorphologyBases::Clear() {
    fYoWords.Clear();
    fMorphBases.Clear();
}
