#pragma once

#include <QHash>
#include <QList>
#include <QString>

class TDWord2Replace;
class TDWords2Replace;

// A hashed stand-in for TDWords2Replace::WordByWord and MorfByWord during an analysis run: it finds
// the same item (the first in list order) without a linear search. Items appended or re-keyed while
// the index lives must go through it.
class TDWords2ReplaceIndex {
public:
    explicit TDWords2ReplaceIndex(TDWords2Replace& list);

    // The first item whose WordE equals word ignoring letter case, or null.
    TDWord2Replace* WordByWord(const QString& word) const;
    // The first item whose Morf equals morf ignoring letter case, or null; null for an empty morf.
    TDWord2Replace* MorfByWord(const QString& morf) const;
    // Appends a new item to the list and indexes it.
    void Add(TDWord2Replace* item);
    // Changes an item's WordE and keeps the index in step.
    void SetWordE(TDWord2Replace* item, const QString& wordE);

private:
    void Insert(QHash<QString, QList<int>>& map, const QString& key, int pos);

    TDWords2Replace& fList;
    QHash<const TDWord2Replace*, int> fPosition;
    QHash<QString, QList<int>> fByWordE; // lower-case WordE -> positions, ascending
    QHash<QString, int> fByMorf;         // lower-case Morf -> first position (Morf never changes)
};
