#pragma once

#include <QStringList>
#include <functional>

class TDContextEntry;
class TDContextEntries;

// Writes the decided letters into a document held as lines: for every visible occurrence that needs
// a change, the letters where its TextYoPure holds "ё"/"Ё" become "ё"/"Ё" (or "е"/"Е" when the
// document had "ё" and the user rejected it), at ChID + i of line Line; then IsYoInDoc follows.
// Each letter replaces one letter, so no other position moves. Decisions stay as they were.
class TDLineReplacer {
public:
    // Called for each letter written: the entry, the line index and the 0-based position in it.
    std::function<void(const TDContextEntry& entry, int line, qsizetype pos, QChar letter)> OnLetter;
    // Called once per occurrence with its index and the count, for progress.
    std::function<void(int done, int total)> OnProgress;

    // Changes lines; returns the number of occurrences changed. An occurrence whose position does not
    // hold the expected letters (the lines are not the analysed document) is left alone and counted
    // in Skipped().
    int Replace(QStringList& lines, const TDContextEntries& entries);
    int Skipped() const { return fSkipped; }

    // Sets IsYoInDoc of every occurrence that knows its place from what lines hold there now (a review
    // read from a list may have been saved after its replacements, over a document since reopened).
    // Returns the number of occurrences with a place whose word is not there; they stay as they were.
    static int ReadYoInDoc(const QStringList& lines, const TDContextEntries& entries);

private:
    int fSkipped = 0;
};
