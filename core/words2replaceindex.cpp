#include "words2replaceindex.h"

#include "word2replace.h"
#include "words2replace.h"

#include <algorithm>

TDWords2ReplaceIndex::TDWords2ReplaceIndex(TDWords2Replace& list) : fList(list) {
    for (int i = 0; i < list.Count(); ++i) {
        TDWord2Replace* w = list[i];
        fPosition.insert(w, i);
        fByWordE[w->WordE().toLower()].append(i);
        if (!w->Morf().isEmpty()) {
            const QString m = w->Morf().toLower();
            if (!fByMorf.contains(m))
                fByMorf.insert(m, i);
        }
    }
}

TDWord2Replace* TDWords2ReplaceIndex::WordByWord(const QString& word) const {
    auto it = fByWordE.constFind(word.toLower());
    if (it == fByWordE.cend() || it->isEmpty())
        return nullptr;
    return fList[it->first()];
}

TDWord2Replace* TDWords2ReplaceIndex::MorfByWord(const QString& morf) const {
    if (morf.isEmpty())
        return nullptr;
    const int i = fByMorf.value(morf.toLower(), -1);
    return i < 0 ? nullptr : fList[i];
}

void TDWords2ReplaceIndex::Insert(QHash<QString, QList<int>>& map, const QString& key, int pos) {
    QList<int>& positions = map[key];
    positions.insert(std::lower_bound(positions.begin(), positions.end(), pos) - positions.begin(), pos);
}

void TDWords2ReplaceIndex::Add(TDWord2Replace* item) {
    const int pos = fList.Count();
    fList.Add(item);
    fPosition.insert(item, pos);
    fByWordE[item->WordE().toLower()].append(pos);
    if (!item->Morf().isEmpty()) {
        const QString m = item->Morf().toLower();
        if (!fByMorf.contains(m))
            fByMorf.insert(m, pos);
    }
}

void TDWords2ReplaceIndex::SetWordE(TDWord2Replace* item, const QString& wordE) {
    const QString oldKey = item->WordE().toLower();
    const QString newKey = wordE.toLower();
    item->SetWordE(wordE);
    if (oldKey == newKey)
        return;
    const int pos = fPosition.value(item, -1);
    if (pos < 0)
        return;
    QList<int>& old = fByWordE[oldKey];
    old.removeOne(pos);
    Insert(fByWordE, newKey, pos);
}
