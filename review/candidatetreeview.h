#pragma once

#include <QTreeView>

// The candidate list view: a tree whose occurrence rows also show, in the gutter before the check
// box, the number of the context rule that rated them and a "+" when several rules matched.
class TDCandidateTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit TDCandidateTreeView(QWidget* parent = nullptr);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& options,
                 const QModelIndex& index) const override;
};
