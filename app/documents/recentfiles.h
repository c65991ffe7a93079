#pragma once

#include <QString>
#include <QStringList>

// A list of recently used file names, most recent first, with a capacity.
class TDRecentFiles {
public:
    // How a name that is already in the list is added again.
    enum TDRepeat {
        rpKeepPlace,  // it keeps its place (the recent-documents menu of file mode)
        rpMoveToFront // it moves to the front (recent Word documents and replacement lists)
    };

    explicit TDRecentFiles(int capacity = 10, TDRepeat repeat = rpKeepPlace)
        : fCapacity(capacity), fRepeat(repeat) {}

    // The names, most recent first.
    const QStringList& Items() const { return fItems; }
    // Replaces the names (as read from the settings): duplicates after the first and names beyond
    // the capacity are dropped; empty names are skipped.
    void SetItems(const QStringList& names);
    // Adds a name: a new name goes first and the one beyond the capacity drops off; a name already
    // present keeps its place or moves to the front.
    void Add(const QString& name);
    // Removes a name; does nothing when it is not there.
    void Remove(const QString& name);

private:
    int fCapacity;
    TDRepeat fRepeat;
    QStringList fItems;
};
