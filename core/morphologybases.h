#pragma once

#include "wordlist.h"

#include <QString>

// Morphology bases: which lexeme a word form belongs to, for grouping word forms.
class TDMorphologyBases {
public:
    // A word form, written with "ё" where it has one.
    const TDWordList& YoWords() const { return fYoWords; }
    // The morphology base of that word form, parallel to YoWords.
    const TDWordList& MorphBases() const { return fMorphBases; }

    // Adds the lines of a morphology file ("form<TAB>base"); a missing file is skipped.
    void LoadFromFile(const QString& AFileName);
    // Adds one line; a line without a tab is skipped.
    void AddLine(const QString& line);
    // The base of a word form (letter case ignored), or an empty string.
    QString BaseOf(const QString& wordYo) const;
    void Clear();
    // Shares equal strings through pool.
    void Intern(QSet<QString>& pool);

private:
    TDWordList fYoWords;
    TDWordList fMorphBases;
};
