#include "contextentries.h"

#include "contextentry.h"

#include <algorithm>

TDContextEntries::~TDContextEntries() {
    Clear();
}

void TDContextEntries::Clear() {
    if (fOwnsEntries)
        qDeleteAll(fItems);
    fItems.clear();
}

int TDContextEntries::CheckedCount(TDCheckState state, int visibility) const {
    if (visibility < -1 || visibility > 1)
        return 0;
    int n = 0;
    for (const TDContextEntry* e : fItems) {
        if (e->CheckedState() != state)
            continue;
        if (visibility == 0 || (visibility == 1) == e->Visible())
            ++n;
    }
    return n;
}

int TDContextEntries::VisibleCount(bool AVisible) const {
    return int(std::count_if(fItems.cbegin(), fItems.cend(),
                             [AVisible](const TDContextEntry* e) { return e->Visible() == AVisible; }));
}

void TDContextEntries::Sort(const std::function<bool(const TDContextEntry*, const TDContextEntry*)>& less) {
    std::sort(fItems.begin(), fItems.end(), less);
}
