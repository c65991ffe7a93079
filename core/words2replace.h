#pragma once

#include "types.h"

#include <QList>
#include <QString>
#include <functional>

class TDContextEntry;
class TDWord2Replace;

// Called whenever an occurrence of a word form in the list gets a decision assigned.
using TDOnChangeCheckState = std::function<void(TDWord2Replace* AWord2replace, TDContextEntry* AContextEntry,
                                                TDCheckState ACheckState)>;

// An ordered list of word forms or morphology groups; it owns its items.
class TDWords2Replace {
public:
    TDWords2Replace() = default;
    ~TDWords2Replace();
    TDWords2Replace(const TDWords2Replace&) = delete;
    TDWords2Replace& operator=(const TDWords2Replace&) = delete;

    // The event that hears of every decision assigned to an occurrence of one of its word forms.
    const TDOnChangeCheckState& OnChangeCheckState() const { return fOnChangeCheckState; }
    void SetOnChangeCheckState(TDOnChangeCheckState v) { fOnChangeCheckState = std::move(v); }

    // The first item whose WordE equals AWord ignoring letter case, or null.
    TDWord2Replace* WordByWord(const QString& AWord) const;
    // The first item whose Morf equals AMorf ignoring letter case, or null; null for an empty AMorf.
    TDWord2Replace* MorfByWord(const QString& AMorf) const;

    int Count() const { return int(fItems.size()); }
    TDWord2Replace* operator[](int i) const { return fItems[i]; }
    TDWord2Replace* Items(int i) const { return fItems[i]; }
    // Appends an item and takes it over.
    void Add(TDWord2Replace* item);
    // Releases every item.
    void Clear();
    // Sorts with a less-than comparison; the order of equal items is unspecified.
    void Sort(const std::function<bool(const TDWord2Replace*, const TDWord2Replace*)>& less);

    QList<TDWord2Replace*>::const_iterator begin() const { return fItems.cbegin(); }
    QList<TDWord2Replace*>::const_iterator end() const { return fItems.cend(); }

private:
    QList<TDWord2Replace*> fItems;
    TDOnChangeCheckState fOnChangeCheckState;
};
