#include "decisions.h"

#include "contextentries.h"
#include "contextentry.h"

bool NeedsChange(const TDContextEntry& entry) {
    return (entry.CheckedState() == cbChecked && !entry.IsYoInDoc()) ||
           (entry.CheckedState() == cbUnchecked && entry.IsYoInDoc());
}

bool HasDocumentPlace(const TDContextEntry& entry) {
    return entry.ChID() > 0 && !entry.TextYoPure().isEmpty();
}

void AgreeWithSuggestion(TDContextEntry& entry, int minLevel) {
    const int level = entry.ReplaceLevel();
    if (level == kLevelUnambiguous || (level >= minLevel && level > 0 && level <= 2))
        entry.SetCheckedState(cbChecked);
    else if (level == -1 || level == -2)
        entry.SetCheckedState(cbUnchecked);
}

void AgreeWithSuggestions(const TDContextEntries& entries, int minLevel) {
    for (TDContextEntry* e : entries) {
        if (e->Visible())
            AgreeWithSuggestion(*e, minLevel);
    }
}
