#pragma once

class TDContextEntry;
class TDWord2Replace;

// Less-than comparisons for sorting entries and word forms.

// By Page, then Line, then Column, ascending.
bool CompareEntriesByPosition(const TDContextEntry* a, const TDContextEntry* b);
// By TextYo in UTF-16 code-unit order, letter case significant.
bool CompareEntriesByTextYo(const TDContextEntry* a, const TDContextEntry* b);
// By RuleN, ascending.
bool CompareEntriesByRule(const TDContextEntry* a, const TDContextEntry* b);
// By WordE in code-unit order with only the Latin letters A to Z folded to lower case.
bool CompareWordsByName(const TDWord2Replace* a, const TDWord2Replace* b);
// By the number of entries, descending.
bool CompareWordsByEntryCount(const TDWord2Replace* a, const TDWord2Replace* b);
