#include "wordlist.h"

int TDWordList::Add(const QString& s) {
    const int i = int(fItems.size());
    fItems.append(s);
    const QString key = s.toLower();
    if (!fIndex.contains(key)) // the first of equal items wins
        fIndex.insert(key, i);
    return i;
}

int TDWordList::IndexOf(const QString& s) const {
    return fIndex.value(s.toLower(), -1);
}

void TDWordList::Clear() {
    fItems.clear();
    fIndex.clear();
}
