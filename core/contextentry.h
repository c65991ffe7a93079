#pragma once

#include "textslice.h"
#include "types.h"

#include <QList>
#include <QString>

class TDContextEntries;

// One occurrence of a candidate word in the document.
class TDContextEntry {
public:
    TDContextEntry() = default;
    TDContextEntry(const TDContextEntry&) = delete;
    TDContextEntry& operator=(const TDContextEntry&) = delete;

    // Running number within its analysis run, 1 for the first entry.
    int ID() const { return fID; }
    void SetID(int v) { fID = v; }
    // Plain text: 0-based number of the match within its line; hosts: paragraph within the story.
    int IDID() const { return fIDID; }
    void SetIDID(int v) { fIDID = v; }
    // Plain text: 1-based position of the word's first character in its line; hosts: the found text's index.
    int ChID() const { return fChID; }
    void SetChID(int v) { fChID = v; }
    // Index of the host story that holds the word; 0 for plain text.
    int StoryID() const { return fStoryID; }
    void SetStoryID(int v) { fStoryID = v; }
    // The entries list of the word form the entry belongs to; unset until attached.
    TDContextEntries* Entries() const { return fEntries; }
    void SetEntries(TDContextEntries* v) { fEntries = v; }
    // The word is already written with "ё" in the document.
    bool IsYoInDoc() const { return fIsYoInDoc; }
    void SetIsYoInDoc(bool v) { fIsYoInDoc = v; }
    // The suggestion: the word's ё-form, or the stretch a context rule matched.
    const QString& TextYo() const { return fTextYo; }
    void SetTextYo(const QString& v) { fTextYo = v; }
    // The text as found: the word, or the stretch a context rule matched.
    const QString& TextE() const { return fTextE; }
    void SetTextE(const QString& v) { fTextE = v; }
    // The word's ё-form, aligned letter for letter with the word in the document.
    const QString& TextYoPure() const { return fTextYoPure; }
    void SetTextYoPure(const QString& v) { fTextYoPure = v; }
    // The word as found (with "ё" folded to "е" when the run searched words with "ё").
    const QString& TextEPure() const { return fTextEPure; }
    void SetTextEPure(const QString& v) { fTextEPure = v; }
    // Document text in front of TextE, within its text unit, and its short form.
    QString Before() const { return fBefore.ToString(); }
    const TDTextSlice& BeforeSlice() const { return fBefore; }
    void SetBefore(const TDTextSlice& v) { fBefore = v; }
    QString BeforeShort() const { return fBeforeShort.ToString(); }
    void SetBeforeShort(const TDTextSlice& v) { fBeforeShort = v; }
    // Document text behind TextE, within its text unit, and its short form.
    QString After() const { return fAfter.ToString(); }
    const TDTextSlice& AfterSlice() const { return fAfter; }
    void SetAfter(const TDTextSlice& v) { fAfter = v; }
    QString AfterShort() const { return fAfterShort.ToString(); }
    void SetAfterShort(const TDTextSlice& v) { fAfterShort = v; }
    // 0-based position of the consulted rule set in the rule list; -1 when none was consulted.
    int RegExN() const { return fRegExN; }
    void SetRegExN(int v) { fRegExN = v; }
    // 1-based number of the deciding rule within its set; 999 when no rule decided.
    int RuleN() const { return fRuleN; }
    void SetRuleN(int v) { fRuleN = v; }
    // Numbers of all rules of the set that matched.
    const QList<int>& RuleNs() const { return fRuleNs; }
    void SetRuleNs(const QList<int>& v) { fRuleNs = v; }
    // Position as the analyser reports it. Plain text sets Line to the 0-based line index.
    int Page() const { return fPage; }
    void SetPage(int v) { fPage = v; }
    int Line() const { return fLine; }
    void SetLine(int v) { fLine = v; }
    int Column() const { return fColumn; }
    void SetColumn(int v) { fColumn = v; }
    // The entry passes the current filter.
    bool Visible() const { return fVisible; }
    void SetVisible(bool v) { fVisible = v; }
    // The replace level: 777 unambiguous, 2 .. -2 from yes to no.
    int ReplaceLevel() const { return fReplaceLevel; }
    void SetReplaceLevel(int v) { fReplaceLevel = v; }
    // The decision. Every assignment, also one that keeps the value, is reported to the owner of the
    // word-form list through its OnChangeCheckState event.
    TDCheckState CheckedState() const { return fCheckedState; }
    void SetCheckedState(TDCheckState v);

    // Before, then TextYo when the document already has "ё", else TextE, then After.
    QString FullString() const;
    // The filter bits that describe the entry; the entry must be attached.
    int GetFilterValue() const;

private:
    int fID = 0;
    int fIDID = 0;
    int fChID = 0;
    int fStoryID = 0;
    TDContextEntries* fEntries = nullptr;
    bool fIsYoInDoc = false;
    QString fTextYo;
    QString fTextE;
    QString fTextYoPure;
    QString fTextEPure;
    TDTextSlice fBefore;
    TDTextSlice fBeforeShort;
    TDTextSlice fAfter;
    TDTextSlice fAfterShort;
    int fRegExN = kRegExNone;
    int fRuleN = kRuleNone;
    QList<int> fRuleNs;
    // Wider than the 16 bits of old: a document may have more than 65,535 lines.
    int fPage = 0;
    int fLine = 0;
    int fColumn = 0;
    bool fVisible = true;
    int fReplaceLevel = 0;
    TDCheckState fCheckedState = cbUnchecked;
};
