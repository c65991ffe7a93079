#pragma once

#include "dualdetails.h"
#include "wordlist.h"

#include <QList>
#include <QString>
#include <QStringList>

// The ambiguous words: words whose "е"-form is itself a valid word.
class TDDualsDictionary {
public:
    // The "е"-form of each distinct word.
    const TDWordList& UniqueDualEWords() const { return fUniqueDualEWords; }
    // Its ё-form as the file writes it.
    const TDWordList& UniqueDualYoWords() const { return fUniqueDualYoWords; }
    // The text of its level column ("0" when the line had none).
    const QStringList& DefaultReplaceLevel() const { return fDefaultReplaceLevel; }
    // The default level at index i read as an integer, 0 when it is not one.
    int DefaultLevelAt(int i) const;
    // Every line as read, in file order.
    const QList<TDDualDetails>& Details() const { return fDetails; }

    // Reads an ambiguous-word file; Append false empties the dictionary first. A missing file is skipped.
    void LoadFromFile(const QString& AFileName, bool Append);
    // Adds one line of an ambiguous-word file.
    void AddLine(const QString& line);
    void Clear();
    // Shares equal strings through pool.
    void Intern(QSet<QString>& pool);

private:
    TDWordList fUniqueDualEWords;
    TDWordList fUniqueDualYoWords;
    QStringList fDefaultReplaceLevel;
    QList<TDDualDetails> fDetails;
};

// Splits a dictionary line into tab-separated columns: tabs at the start and the end are dropped,
// every further tab ends a column, a tab between two double quotes does not split.
QStringList SplitTabColumns(const QString& line, int maxColumns = 3);

// Reads an integer the way level columns are read: the whole text must be one, else ok is false.
int ParseLevel(const QString& text, bool* ok = nullptr);
