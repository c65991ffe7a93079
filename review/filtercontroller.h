#pragma once

#include <QString>

class TDWords2Replace;

// The filter of the candidate list, without widgets: two bit masks that mirror the filter boxes and
// an optional free text. Applying it stores the result in the model (Visible, VisibleCount); the list
// view then reads it once.
class TDFilterController {
public:
    // The word-kind bits 1 (unambiguous) and 2 (ambiguous); 3 shows both.
    int WordFilter() const { return fWordFilter; }
    // The twelve bits of an occurrence's filter value; 4095 shows everything.
    int EntryFilter() const { return fEntryFilter; }
    // The free-text filter: on or off, and its text (matched exactly, letter case significant).
    bool CustomOn() const { return fCustomOn; }
    void SetCustom(bool on, const QString& text);

    // Flips the bit of a filter box (the word-kind bits flip in both masks).
    void Flip(int bit);
    // Back to showing everything (masks only; see ShowAll for the model).
    void Reset();

    // Computes visibility for every word form and occurrence of list. Returns the number of
    // visible occurrences.
    int Apply(TDWords2Replace& list) const;
    // Shows every word form and occurrence of list.
    static void ShowAll(TDWords2Replace& list);

private:
    int fWordFilter = 3;
    int fEntryFilter = 4095;
    bool fCustomOn = false;
    QString fCustomText;
};
