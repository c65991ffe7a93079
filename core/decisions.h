#pragma once

class TDContextEntry;
class TDContextEntries;

// Whether the document must change at this occurrence: "ё" wanted where it has "е" (ticked), or
// "е" wanted where it has "ё" (cleared). An undecided occurrence never needs a change.
bool NeedsChange(const TDContextEntry& entry);

// Whether an occurrence knows its place in a document held as lines (ChID and the ё-form); one read
// from a replacement list of the five-field form does not.
bool HasDocumentPlace(const TDContextEntry& entry);

// Decides one occurrence by its rating, as an automatic run does: an unambiguous word and a level of
// at least minLevel get "ё", a level of -1 or less gets "е", anything else stays as it was.
void AgreeWithSuggestion(TDContextEntry& entry, int minLevel = 1);

// The same for every visible occurrence of a list.
void AgreeWithSuggestions(const TDContextEntries& entries, int minLevel = 1);
