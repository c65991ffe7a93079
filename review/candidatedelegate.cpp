#include "candidatedelegate.h"

#include "candidatelistmodel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kMarkBox(0xFC, 0xFC, 0xFC);

int TextMargin(const QStyleOptionViewItem& option) {
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
}
} // namespace

TDCandidateDelegate::TDCandidateDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QRect TDCandidateDelegate::TextRect(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
}

QRect TDCandidateDelegate::IconRect(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemDecoration, &opt, opt.widget);
}

QRect TDCandidateDelegate::PaintedWordRect(const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    const QString word = index.data(TDCandidateListModel::PaintedWordRole).toString();
    if (word.isEmpty())
        return QRect();
    const QRect text = TextRect(option, index);
    const QFontMetrics fm(option.font);
    const int x = text.left() + TextMargin(option) +
                  fm.horizontalAdvance(index.data(TDCandidateListModel::BeforeShortRole).toString());
    return QRect(x, text.top(), fm.horizontalAdvance(word), text.height());
}

void TDCandidateDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QFontMetrics fm(option.font);
    painter->save();
    if (TDCandidateListModel::EntryOf(index)) {
        // The rated word again, in red, over its place in the row.
        const QRect r = PaintedWordRect(option, index);
        if (!r.isEmpty() && r.left() < option.rect.right()) {
            const QString word = index.data(TDCandidateListModel::PaintedWordRole).toString();
            painter->fillRect(r.adjusted(0, 2, 0, -2), kMarkBox);
            painter->setPen(kRed);
            painter->setFont(option.font);
            painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, word);
        }
    } else {
        const QString statics = index.data(TDCandidateListModel::StaticTextRole).toString();
        const QVariant open = index.data(TDCandidateListModel::OpenCountRole);
        const QRect text = TextRect(option, index);
        int x =
            text.left() + TextMargin(option) + fm.horizontalAdvance(index.data(Qt::DisplayRole).toString());
        QFont small = option.font;
        small.setPointSizeF(qMax(6.0, option.font.pointSizeF() - 1));
        if (!statics.isEmpty()) {
            painter->setFont(small);
            painter->setPen(index.data(Qt::ForegroundRole).value<QBrush>().color());
            painter->drawText(QRect(x, text.top(), 200, text.height()), Qt::AlignLeft | Qt::AlignVCenter,
                              statics);
            x += QFontMetrics(small).horizontalAdvance(statics);
        }
        if (open.isValid()) {
            // The number of visible occurrences still undecided.
            QFont tiny = option.font;
            tiny.setPointSizeF(qMax(6.0, option.font.pointSizeF() - 2));
            tiny.setBold(true);
            const QString n = QString::number(open.toInt());
            const QFontMetrics tm(tiny);
            const QRect box(x + 8, text.top() + (text.height() - tm.height()) / 2,
                            tm.horizontalAdvance(n) + 6, tm.height());
            painter->fillRect(box, kMarkBox);
            painter->setFont(tiny);
            painter->setPen(kRed);
            painter->drawText(box, Qt::AlignCenter, n);
        }
    }
    painter->restore();
}

QSize TDCandidateDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(qMax(s.height(), 19));
    return s;
}

bool TDCandidateDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                      const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() == QEvent::MouseButtonRelease && TDCandidateListModel::EntryOf(index)) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && IconRect(option, index).contains(me->position().toPoint()))
            Q_EMIT IconClicked(index);
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
