#include "CurrentCellFrame.h"

#include <QPainter>

void CurrentCellFrame::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem plain = option;
    // The style's own dotted focus is hardly seen on a selected row.
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!(option.state & QStyle::State_HasFocus))
        return;
    const QPalette::ColorRole role =
        option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setPen(QPen(option.palette.color(role), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}
