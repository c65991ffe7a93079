#include "recentfiles.h"

void TDRecentFiles::SetItems(const QStringList& names) {
    fItems.clear();
    for (const QString& name : names) {
        if (fItems.size() >= fCapacity)
            break;
        if (!name.isEmpty() && !fItems.contains(name))
            fItems.append(name);
    }
}

void TDRecentFiles::Add(const QString& name) {
    if (name.isEmpty())
        return;
    const qsizetype at = fItems.indexOf(name);
    if (at >= 0) {
        if (fRepeat == rpMoveToFront)
            fItems.move(at, 0);
        return;
    }
    fItems.prepend(name);
    while (fItems.size() > fCapacity)
        fItems.removeLast();
}

void TDRecentFiles::Remove(const QString& name) {
    fItems.removeAll(name);
}
