#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// An ordered list of strings with a hashed lookup that ignores letter case (Cyrillic included).
// Duplicates are kept; a lookup finds the first of equal items. The hash is built on the first
// lookup, so lists that are only read by index cost no index.
class TDWordList {
public:
    // Appends a string; returns its index.
    int Add(const QString& s);
    // Index of the first item equal to s ignoring letter case, or -1.
    int IndexOf(const QString& s) const;
    // Index of the first item equal to an already lower-cased key, or -1 (saves the case mapping).
    int IndexOfLower(const QString& lowerKey) const;
    const QString& operator[](int i) const { return fItems[i]; }
    const QString& Item(int i) const { return fItems[i]; }
    int Count() const { return int(fItems.size()); }
    void Clear();
    // Makes equal strings share one copy through pool (memory only; nothing visible changes).
    void Intern(QSet<QString>& pool);

private:
    void BuildIndex() const;

    QStringList fItems;
    mutable QHash<QString, int> fIndex; // lower-case form -> first index
    mutable bool fIndexed = false;
};

// The pooled copy of s (s itself, added to the pool, when it is new).
QString InternString(QSet<QString>& pool, const QString& s);
