#pragma once
// The table's current cell framed in the text's colour, two pixels wide,
// over the row's selection: where the keys act is seen apart from what is
// selected, in any palette.

#include <QStyledItemDelegate>

class CurrentCellFrame : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
