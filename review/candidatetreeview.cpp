#include "candidatetreeview.h"

#include "candidatelistmodel.h"
#include "contextentry.h"

#include <QPainter>

TDCandidateTreeView::TDCandidateTreeView(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setIndentation(30);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setExpandsOnDoubleClick(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void TDCandidateTreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& options,
                                  const QModelIndex& index) const {
    QTreeView::drawRow(painter, options, index);
    const TDContextEntry* e = TDCandidateListModel::EntryOf(index);
    if (!e || e->RuleN() == kRuleNone || e->ReplaceLevel() == kLevelUnambiguous)
        return;
    painter->save();
    QFont f = font();
    f.setPointSizeF(qMax(6.0, f.pointSizeF() - 2));
    painter->setFont(f);
    painter->setPen(QColor(0x80, 0x80, 0x80));
    const QRect row = options.rect;
    // An occurrence row's own branch slot holds no expand mark: the rule number goes there.
    const int slot = row.left() + indentation();
    painter->drawText(QRect(slot + 10, row.top(), indentation() - 10, row.height()),
                      Qt::AlignLeft | Qt::AlignVCenter, QString::number(e->RuleN()));
    if (e->RuleNs().size() > 1)
        painter->drawText(QRect(slot + 2, row.top(), 8, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                          QStringLiteral("+"));
    painter->restore();
}
