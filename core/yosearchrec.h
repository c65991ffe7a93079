#pragma once

#include "textslice.h"
#include "types.h"

#include <QList>
#include <QString>
#include <QStringView>

class TDContextEntry;
class TDDictionarySet;
class TDRuleMatchCache;

// What an analyser passes to the classification of a word.
struct TDClassifySettings {
    // 1: unambiguous words only; 2: ambiguous words only; 0 or 3: both.
    int Restriction = 3;
    // Try every rule for "всё" (the rule window then lists all that matched).
    bool AllRules = false;
    // An ambiguous word starts at its dictionary default level (plain text) rather than 0 (hosts).
    bool UseDefaultLevel = true;
    // Rule sets are looked up by the lower-case ё-form (plain text, Word) or by the ё-form as found.
    bool RuleKeyLowerCase = true;
};

// One found word on its way through the classification.
class TDYoSearchRec {
public:
    QString WordFound;     // the word as the document holds it
    QString WordFoundPure; // the word prepared for lookup (a hyphenated line break taken out)
    int WordChID = 0;      // the word's position in its text unit
    QString WordEFound;    // WordFound with "ё"/"Ё" folded to "е"/"Е"
    QString WordYoFound;   // the word's ё-form (BuildWordYo)
    QString WordForDict;   // the dictionary key: WordFoundPure, "ё" folded, lower case
    int ID1 = -1;          // index of the key among the unambiguous words, or -1
    int ID2 = -1;          // index of the key among the ambiguous words, or -1 (always -1 when ID1 is not)
    bool ThreeCondition = false; // the key holds "трех" but neither "стреха" nor "утрехт"
    bool FourCondition = false;  // the key holds "четырех"
    bool IsYoInWord = false;     // the word already holds "ё" or "Ё"

    // Sets the found word and computes the lookup fields.
    void Prepare(const QString& wordFound, const QString& wordFoundPure, const TDDictionarySet& dicts);
    void Prepare(QStringView wordFound, QStringView wordFoundPure, const TDDictionarySet& dicts);
    // The word is in one of the dictionaries.
    bool IsFound() const { return ID1 != -1 || ID2 != -1; }
    // The word holds one of the special fragments "трех" or "четырех".
    bool IsSpecial() const { return ThreeCondition || FourCondition; }
    // Computes WordYoFound.
    void BuildWordYo(const TDDictionarySet& dicts);
};

// What the classification made of one word.
struct TDClassification {
    QString FormE; // the word form's key: the lower-case е-form ("трех"/"четырех" for special forms)
    QString FormYo;      // the word form's ё-form
    bool Unique = false; // the word is unambiguous
    QString TextE;       // the е-text: the word, or the stretch a rule matched
    QString TextYo;      // the suggestion
    QString TextEPure;   // the word's е-text before any rule narrowed it
    QString TextYoPure;  // the word's ё-form
    TDTextSlice Before;  // the context, as the rules left it
    TDTextSlice After;
    int ReplaceLevel = 0;
    bool RulesConsulted = false; // a rule set was consulted
    int RegExN = kRegExNone;
    int RuleN = kRuleNone;
    QList<int> RuleNs;
};

// Classifies a prepared word whose context is `before` and `after`. Returns false when the word
// becomes no entry (no candidate, restricted out, or dropped at level -999). The cache, when given,
// must only be used for contexts that are stretches of one unchanged string.
bool ClassifyWord(TDYoSearchRec& rec, const TDDictionarySet& dicts, const TDClassifySettings& settings,
                  const TDTextSlice& before, const TDTextSlice& after, TDClassification& out,
                  TDRuleMatchCache* cache = nullptr);

// Gives an attached entry its first decision: an unambiguous entry is ticked with level 777; any
// other is undecided with its level, then ticked when the document already has "ё".
void SetInitialCheckState(TDContextEntry* entry, bool unique, bool isYoInWord, int level);
