#include "words2replace.h"

#include "word2replace.h"

#include <algorithm>

TDWords2Replace::~TDWords2Replace() {
    Clear();
}

TDWord2Replace* TDWords2Replace::WordByWord(const QString& AWord) const {
    for (TDWord2Replace* w : fItems) {
        if (w->WordE().compare(AWord, Qt::CaseInsensitive) == 0)
            return w;
    }
    return nullptr;
}

TDWord2Replace* TDWords2Replace::MorfByWord(const QString& AMorf) const {
    if (AMorf.isEmpty())
        return nullptr;
    for (TDWord2Replace* w : fItems) {
        if (w->Morf().compare(AMorf, Qt::CaseInsensitive) == 0)
            return w;
    }
    return nullptr;
}

void TDWords2Replace::Add(TDWord2Replace* item) {
    fItems.append(item);
}

void TDWords2Replace::Clear() {
    qDeleteAll(fItems);
    fItems.clear();
}

void TDWords2Replace::Sort(const std::function<bool(const TDWord2Replace*, const TDWord2Replace*)>& less) {
    std::sort(fItems.begin(), fItems.end(), less);
}
