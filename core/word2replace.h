#pragma once

#include "contextentries.h"

#include <QString>

class TDWords2Replace;

// A word form (one distinct lower-case "е"-form), or a morphology group, with its occurrences.
class TDWord2Replace {
public:
    // ownsEntries: true for a word form (it owns its occurrences), false for a morphology group.
    explicit TDWord2Replace(bool ownsEntries = true);
    TDWord2Replace(const TDWord2Replace&) = delete;
    TDWord2Replace& operator=(const TDWord2Replace&) = delete;

    // The list that holds it.
    TDWords2Replace* ParentList() const { return fParentList; }
    void SetParentList(TDWords2Replace* v) { fParentList = v; }
    // The lower-case "е"-form that identifies the word form.
    const QString& WordE() const { return fWordE; }
    void SetWordE(const QString& v) { fWordE = v; }
    // The ё-form of the occurrence added last, in that occurrence's letter case.
    const QString& WordYo() const { return fWordYo; }
    void SetWordYo(const QString& v) { fWordYo = v; }
    // The morphology base (groups only).
    const QString& Morf() const { return fMorph; }
    void SetMorf(const QString& v) { fMorph = v; }
    // The word is unambiguous; the occurrence added last decides.
    bool Uniqueness() const { return fUniqueness; }
    void SetUniqueness(bool v) { fUniqueness = v; }
    // The word form passes the filter.
    bool Visible() const { return fVisible; }
    void SetVisible(bool v) { fVisible = v; }
    // Number of its entries that pass the filter.
    int VisibleCount() const { return fVisibleCount; }
    void SetVisibleCount(int v) { fVisibleCount = v; }
    // Its occurrences.
    TDContextEntries& ContextEntries() { return fContextEntries; }
    const TDContextEntries& ContextEntries() const { return fContextEntries; }

    // 1 when the word is unambiguous, else 2.
    int GetFilterValue() const { return fUniqueness ? 1 : 2; }

private:
    TDWords2Replace* fParentList = nullptr;
    QString fWordE;
    QString fWordYo;
    QString fMorph;
    bool fUniqueness = false;
    bool fVisible = true;
    int fVisibleCount = 0;
    TDContextEntries fContextEntries;
};
