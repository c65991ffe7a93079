#include "candidatelistmodel.h"

#include "contextentries.h"
#include "contextentry.h"
#include "infoicons.h"
#include "word2replace.h"
#include "words2replace.h"

#include <QBrush>
#include <QColor>

namespace {
// An occurrence row's internal id is its parent's row + 1; a word form row's is 0.
constexpr quintptr kTopLevel = 0;
} // namespace

QString EntryRowWord(const TDContextEntry* e) {
    switch (e->CheckedState()) {
    case cbChecked:
        return e->TextYo();
    case cbUnchecked:
        return e->TextE();
    case cbGrayed:
        break;
    }
    switch (e->ReplaceLevel()) {
    case -2:
    case -1:
    case 0:
        return e->TextE();
    case 1:
    case 2:
        return e->TextYo();
    default:
        return QString();
    }
}

QString EntryPaintedWord(const TDContextEntry* e) {
    switch (e->ReplaceLevel()) {
    case -2:
    case -1:
    case 0:
        return e->TextE();
    case 1:
    case 2:
    case kLevelUnambiguous:
        return e->TextYo();
    default:
        return QString();
    }
}

TDCandidateListModel::TDCandidateListModel(QObject* parent) : QAbstractItemModel(parent) {}

void TDCandidateListModel::SetList(TDWords2Replace* list, bool grouped) {
    beginResetModel();
    fList = list;
    fGrouped = grouped;
    Rebuild();
    endResetModel();
}

void TDCandidateListModel::SetShowEntriesCount(bool show) {
    fShowEntriesCount = show;
    RepaintAll();
}

void TDCandidateListModel::Refresh() {
    beginResetModel();
    Rebuild();
    endResetModel();
}

void TDCandidateListModel::Rebuild() {
    fRows.clear();
    if (!fList)
        return;
    fRows.reserve(fList->Count());
    for (TDWord2Replace* w : *fList) {
        if (!w->Visible())
            continue;
        Row row{w, {}};
        row.Entries.reserve(w->ContextEntries().Count());
        for (TDContextEntry* e : w->ContextEntries()) {
            if (e->Visible())
                row.Entries.append(e);
        }
        fRows.append(std::move(row));
    }
}

void TDCandidateListModel::RepaintAll() {
    if (fRows.isEmpty())
        return;
    Q_EMIT dataChanged(index(0, 0), index(int(fRows.size()) - 1, 0));
    for (int i = 0; i < fRows.size(); ++i) {
        if (!fRows[i].Entries.isEmpty())
            Q_EMIT dataChanged(index(0, 0, index(i, 0)),
                               index(int(fRows[i].Entries.size()) - 1, 0, index(i, 0)));
    }
}

QModelIndex TDCandidateListModel::IndexOfWord(const TDWord2Replace* word) const {
    for (int i = 0; i < fRows.size(); ++i) {
        if (fRows[i].Word == word)
            return index(i, 0);
    }
    return QModelIndex();
}

QModelIndex TDCandidateListModel::IndexOfEntry(const TDContextEntry* entry) const {
    for (int i = 0; i < fRows.size(); ++i) {
        const int j = int(fRows[i].Entries.indexOf(const_cast<TDContextEntry*>(entry)));
        if (j >= 0)
            return index(j, 0, index(i, 0));
    }
    return QModelIndex();
}

TDWord2Replace* TDCandidateListModel::WordOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<TDWord2Replace*>(index.data(WordRole).value<void*>()) : nullptr;
}

TDContextEntry* TDCandidateListModel::EntryOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<TDContextEntry*>(index.data(EntryRole).value<void*>()) : nullptr;
}

QModelIndex TDCandidateListModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return QModelIndex();
    if (!parent.isValid())
        return row < fRows.size() ? createIndex(row, 0, kTopLevel) : QModelIndex();
    if (parent.internalId() != kTopLevel)
        return QModelIndex();
    const int p = parent.row();
    if (p >= fRows.size() || row >= fRows[p].Entries.size())
        return QModelIndex();
    return createIndex(row, 0, quintptr(p + 1));
}

QModelIndex TDCandidateListModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kTopLevel)
        return QModelIndex();
    return createIndex(int(child.internalId() - 1), 0, kTopLevel);
}

int TDCandidateListModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return int(fRows.size());
    if (parent.internalId() != kTopLevel || parent.row() >= fRows.size())
        return 0;
    return int(fRows[parent.row()].Entries.size());
}

int TDCandidateListModel::columnCount(const QModelIndex&) const {
    return 1;
}

QString TDCandidateListModel::RowText(const QModelIndex& index) const {
    if (TDContextEntry* e = EntryOf(index))
        return e->BeforeShort() + EntryRowWord(e) + e->AfterShort();
    TDWord2Replace* w = WordOf(index);
    if (!w)
        return QString();
    if (fGrouped && !w->Morf().isEmpty())
        return w->Morf();
    return w->Uniqueness() ? w->WordYo() : w->WordE();
}

QVariant TDCandidateListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    const bool top = index.internalId() == kTopLevel;
    const Row& row = fRows[top ? index.row() : int(index.internalId() - 1)];
    TDWord2Replace* w = row.Word;
    TDContextEntry* e = top ? nullptr : row.Entries[index.row()];
    switch (role) {
    case Qt::DisplayRole: {
        const QString text = RowText(index);
        return text.isEmpty() ? QStringLiteral(". . .") : text;
    }
    case Qt::ForegroundRole:
        if (e)
            return QBrush(Qt::black);
        if (fGrouped && !w->Morf().isEmpty())
            return QBrush(QColor(0x1E, 0x78, 0x00));
        return QBrush(w->Uniqueness() ? QColor(0x80, 0x80, 0x80) : QColor(Qt::black));
    case Qt::CheckStateRole:
        if (!e)
            return QVariant();
        switch (e->CheckedState()) {
        case cbChecked:
            return Qt::Checked;
        case cbUnchecked:
            return Qt::Unchecked;
        case cbGrayed:
            return Qt::PartiallyChecked;
        }
        return QVariant();
    case Qt::DecorationRole:
        if (!e)
            return QVariant();
        return InfoIcons::RowIcon(e->ReplaceLevel(), w->Uniqueness());
    case Qt::ToolTipRole:
        if (e)
            return e->FullString().left(500);
        return QVariant();
    case WordRole:
        return QVariant::fromValue<void*>(w);
    case EntryRole:
        return QVariant::fromValue<void*>(e);
    case StaticTextRole:
        if (!e && !w->Uniqueness() && fShowEntriesCount)
            return QStringLiteral(" [%1]").arg(w->VisibleCount());
        return QString();
    case OpenCountRole:
        if (!e && !w->Uniqueness())
            return w->ContextEntries().CheckedCount(cbGrayed, 1);
        return QVariant();
    case PaintedWordRole:
        return e ? EntryPaintedWord(e) : QString();
    case BeforeShortRole:
        return e ? e->BeforeShort() : QString();
    default:
        return QVariant();
    }
}

bool TDCandidateListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TDContextEntry* e = EntryOf(index);
    if (!e || role != Qt::CheckStateRole)
        return false;
    const auto state = Qt::CheckState(value.toInt());
    if (state == Qt::PartiallyChecked)
        return false;
    e->SetCheckedState(state == Qt::Checked ? cbChecked : cbUnchecked);
    Q_EMIT dataChanged(index, index);
    const QModelIndex p = index.parent();
    Q_EMIT dataChanged(p, p);
    Q_EMIT EntryChecked(e);
    return true;
}

Qt::ItemFlags TDCandidateListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.internalId() != kTopLevel)
        f |= Qt::ItemIsUserCheckable;
    return f;
}
