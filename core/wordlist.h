#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// An ordered list of strings with a hashed lookup that ignores letter case (Cyrillic included).
// Duplicates are kept; a lookup finds the first of equal items.
class TDWordList {
public:
    // Appends a string; returns its index.
    int Add(const QString& s);
    // Index of the first item equal to s ignoring letter case, or -1.
    int IndexOf(const QString& s) const;
    // Index of the first item equal to an already lower-cased key, or -1 (saves the case mapping).
    int IndexOfLower(const QString& lowerKey) const { return fIndex.value(lowerKey, -1); }
    const QString& operator[](int i) const { return fItems[i]; }
    const QString& Item(int i) const { return fItems[i]; }
    int Count() const { return int(fItems.size()); }
    void Clear();

private:
    QStringList fItems;
    QHash<QString, int> fIndex; // lower-case form -> first index
};
