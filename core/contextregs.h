#pragma once

#include "contextreg.h"

#include <QHash>
#include <QList>
#include <QString>

// The rule list: one rule set per word, in the order the words first appear in the loaded files.
class TDContextRegs {
public:
    TDContextRegs() = default;
    ~TDContextRegs();
    TDContextRegs(const TDContextRegs&) = delete;
    TDContextRegs& operator=(const TDContextRegs&) = delete;

    // Loads a rule file; Append false empties the list first. A missing file is skipped. A level that
    // is not an integer stops the load there with a TDError naming the file and line; rules read
    // before it stay.
    void LoadFromFile(const QString& AFileName, bool Append);
    // Adds one line of a rule file; throws TDError when its level is not an integer.
    void AddLine(const QString& line);
    // The set whose Word equals AWord exactly, or null; with ACreateIfNil a new set is appended.
    TDContextReg* RegExByWord(const QString& AWord, bool ACreateIfNil);
    // The set whose Word equals AWord exactly, or null.
    const TDContextReg* Find(const QString& AWord) const { return fByWord.value(AWord, nullptr); }

    int Count() const { return int(fItems.size()); }
    TDContextReg* operator[](int i) const { return fItems[i]; }
    void Clear();

private:
    QList<TDContextReg*> fItems;
    QHash<QString, TDContextReg*> fByWord;
};
