#pragma once

#include "wordlist.h"

#include <QString>

// The unambiguous words: words that are always written with "ё".
class TDDictionary {
public:
    // The "е"-form of each word (every "ё"/"Ё" made a lower-case "е").
    const TDWordList& EWords() const { return fEWords; }
    // The word as the file writes it, parallel to EWords.
    const TDWordList& YoWords() const { return fYoWords; }

    // Reads a file into the dictionary, every line a word. Returns false when the file is missing.
    bool LoadFromFile(const QString& AFileName);
    // Adds the words of a further file, skipping those already present; a missing file is skipped.
    void AppendFromFile(const QString& AFileName);
    // Adds one word (in its ё-form).
    void Add(const QString& wordYo);
    void Clear();
    // Shares equal strings through pool.
    void Intern(QSet<QString>& pool);

private:
    TDWordList fEWords;
    TDWordList fYoWords;
};
