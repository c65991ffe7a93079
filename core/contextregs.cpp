#include "contextregs.h"

#include "dualsdictionary.h"
#include "error.h"
#include "textfile.h"

#include <QFileInfo>

TDContextRegs::~TDContextRegs() {
    Clear();
}

void TDContextRegs::Clear() {
    qDeleteAll(fItems);
    fItems.clear();
    fByWord.clear();
}

TDContextReg* TDContextRegs::RegExByWord(const QString& AWord, bool ACreateIfNil) {
    TDContextReg* reg = fByWord.value(AWord, nullptr);
    if (reg || !ACreateIfNil)
        return reg;
    reg = new TDContextReg(int(fItems.size()), AWord);
    fItems.append(reg);
    fByWord.insert(AWord, reg);
    return reg;
}

void TDContextRegs::AddLine(const QString& line) {
    if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
        return;
    // The word, the pattern and the level are cut at the first two tabs. A line with fewer than two
    // tabs has an empty pattern and the whole line as its level, which then is no integer.
    QString word, pattern, levelText;
    const qsizetype t1 = line.indexOf(QLatin1Char('\t'));
    const qsizetype t2 = t1 < 0 ? -1 : line.indexOf(QLatin1Char('\t'), t1 + 1);
    if (t2 < 0) {
        word = t1 < 0 ? line : line.left(t1);
        levelText = line;
    } else {
        word = line.left(t1);
        pattern = line.mid(t1 + 1, t2 - t1 - 1);
        levelText = line.mid(t2 + 1);
    }
    bool ok = false;
    const int level = ParseLevel(levelText, &ok);
    if (!ok)
        throw TDError(QStringLiteral("«%1» не является целым числом").arg(levelText));
    RegExByWord(word, true)->AddNew(pattern, level);
}

void TDContextRegs::LoadFromFile(const QString& AFileName, bool Append) {
    if (!Append)
        Clear();
    if (!QFileInfo::exists(AFileName))
        return;
    const QStringList lines = ReadTextFileLines(AFileName);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        try {
            AddLine(lines[i]);
        } catch (const TDError& e) {
            throw TDError(QStringLiteral("Ошибка в файле правил %1, строка %2: %3")
                              .arg(AFileName)
                              .arg(i + 1)
                              .arg(e.Message()));
        }
    }
}
