#pragma once

#include "types.h"

#include <QList>
#include <functional>

class TDContextEntry;
class TDWord2Replace;

// An ordered list of occurrences. The entries list of a word form owns its entries; the lists of a
// morphology group and the flat list of a run only refer to entries owned elsewhere.
class TDContextEntries {
public:
    explicit TDContextEntries(bool ownsEntries = false) : fOwnsEntries(ownsEntries) {}
    ~TDContextEntries();
    TDContextEntries(const TDContextEntries&) = delete;
    TDContextEntries& operator=(const TDContextEntries&) = delete;

    // The word form whose entries the list holds; unset for the flat list.
    TDWord2Replace* Word2Replace() const { return fWord2Replace; }
    void SetWord2Replace(TDWord2Replace* v) { fWord2Replace = v; }
    // The list releases its entries with itself.
    bool OwnsEntries() const { return fOwnsEntries; }

    // Number of entries with the given decision whose visibility fits: -1 hidden only, 0 all,
    // 1 visible only; any other value counts none.
    int CheckedCount(TDCheckState state, int visibility) const;
    // Number of entries whose Visible equals AVisible.
    int VisibleCount(bool AVisible) const;

    int Count() const { return int(fItems.size()); }
    TDContextEntry* operator[](int i) const { return fItems[i]; }
    TDContextEntry* Items(int i) const { return fItems[i]; }
    // Appends an entry; an owning list takes it over.
    void Add(TDContextEntry* entry) { fItems.append(entry); }
    // Empties the list, releasing the entries when it owns them.
    void Clear();
    // Sorts with a less-than comparison; the order of equal items is unspecified.
    void Sort(const std::function<bool(const TDContextEntry*, const TDContextEntry*)>& less);

    QList<TDContextEntry*>::const_iterator begin() const { return fItems.cbegin(); }
    QList<TDContextEntry*>::const_iterator end() const { return fItems.cend(); }

private:
    QList<TDContextEntry*> fItems;
    TDWord2Replace* fWord2Replace = nullptr;
    bool fOwnsEntries;
};
