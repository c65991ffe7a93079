#pragma once

#include "types.h"

#include <QAbstractItemModel>
#include <QList>
#include <QVector>

class TDContextEntry;
class TDWord2Replace;
class TDWords2Replace;

// The two-level candidate list: word forms (or morphology groups) with their occurrences. It reads the
// candidate model directly and shows only what passes the filter (the model's Visible flags); after
// the flags or the order change, Refresh() tells the view once.
class TDCandidateListModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // Extra data roles for the painting delegate.
    enum Roles {
        WordRole = Qt::UserRole + 1, // TDWord2Replace* of the row (or of its parent)
        EntryRole,                   // TDContextEntry* of an occurrence row, null for a word form row
        StaticTextRole,              // the " [n]" count text of an ambiguous word form
        OpenCountRole,               // visible undecided occurrences of an ambiguous word form
        PaintedWordRole,             // the word painted red over an occurrence row, or empty
        BeforeShortRole              // the short context in front of the word, for placing the red word
    };

    explicit TDCandidateListModel(QObject* parent = nullptr);

    // The list to show (the word-form list, or the morphology groups while grouped), or null.
    void SetList(TDWords2Replace* list, bool grouped);
    TDWords2Replace* List() const { return fList; }
    bool Grouped() const { return fGrouped; }
    // Show the " [n]" count text of ambiguous word forms.
    void SetShowEntriesCount(bool show);

    // Re-reads the visible rows from the model and tells the view once.
    void Refresh();
    // Tells the view that the texts, checks and counts of every row may have changed.
    void RepaintAll();

    // The index of a word form row, or of an occurrence row.
    QModelIndex IndexOfWord(const TDWord2Replace* word) const;
    QModelIndex IndexOfEntry(const TDContextEntry* entry) const;
    static TDWord2Replace* WordOf(const QModelIndex& index);
    static TDContextEntry* EntryOf(const QModelIndex& index);

    // The text of a row as the list shows it.
    QString RowText(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // A check box changed an occurrence's decision.
    void EntryChecked(TDContextEntry* entry);

private:
    struct Row {
        TDWord2Replace* Word;
        QVector<TDContextEntry*> Entries; // visible occurrences
    };
    void Rebuild();

    TDWords2Replace* fList = nullptr;
    bool fGrouped = false;
    bool fShowEntriesCount = true;
    QVector<Row> fRows;
};

// The word of an occurrence row as the row shows it, by decision and level.
QString EntryRowWord(const TDContextEntry* entry);
// The word painted red over an occurrence row: by level only.
QString EntryPaintedWord(const TDContextEntry* entry);
