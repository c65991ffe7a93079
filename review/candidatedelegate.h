#pragma once

#include <QStyledItemDelegate>

// Paints the marks of the candidate list over the rows: the count text and the red number of open
// decisions of an ambiguous word form, and the rated word in red over an occurrence row. Reports a
// click on an occurrence's icon.
class TDCandidateDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TDCandidateDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where the icon of a row is drawn.
    QRect IconRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // Where the red word of an occurrence row is drawn (empty when there is none).
    QRect PaintedWordRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;

Q_SIGNALS:
    // The mouse was released over the icon of an occurrence row.
    void IconClicked(const QModelIndex& index);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    QRect TextRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;
};
