#include "wordlist.h"

int TDWordList::Add(const QString& s) {
    const int i = int(fItems.size());
    fItems.append(s);
    if (fIndexed) {
        const QString key = s.toLower();
        if (!fIndex.contains(key)) // the first of equal items wins
            fIndex.insert(key, i);
    }
    return i;
}

void TDWordList::BuildIndex() const {
    fIndex.clear();
    fIndex.reserve(fItems.size());
    for (int i = 0; i < fItems.size(); ++i) {
        const QString key = fItems[i].toLower();
        if (!fIndex.contains(key))
            fIndex.insert(key, i);
    }
    fIndexed = true;
}

int TDWordList::IndexOfLower(const QString& lowerKey) const {
    if (!fIndexed)
        BuildIndex();
    return fIndex.value(lowerKey, -1);
}

int TDWordList::IndexOf(const QString& s) const {
    return IndexOfLower(s.toLower());
}

void TDWordList::Clear() {
    fItems.clear();
    fIndex.clear();
    fIndexed = false;
}

void TDWordList::Intern(QSet<QString>& pool) {
    for (QString& s : fItems)
        s = InternString(pool, s);
    if (fIndexed) {
        fIndex.clear(); // its keys hold the old copies; rebuilt on the next lookup
        fIndexed = false;
    }
}

QString InternString(QSet<QString>& pool, const QString& s) {
    auto it = pool.constFind(s);
    if (it != pool.cend())
        return *it;
    pool.insert(s);
    return s;
}
