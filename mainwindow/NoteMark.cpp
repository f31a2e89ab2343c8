#include "NoteMark.h"

#include <QPainter>
#include <QPolygon>

NoteMark::NoteMark(QWidget *cell) : CellMark(cell, QStringLiteral("marcaAnotacao"))
{
    place();
}

QRect NoteMark::placeIn(const QSize &cell) const
{
    return QRect(cell.width() - size, 0, size, size);
}

void NoteMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Black on the cells' fixed pink, under any palette.
    painter.setBrush(QColor(0, 0, 0));
    painter.drawPolygon(QPolygon({QPoint(0, 0), QPoint(size, 0), QPoint(size, size)}));
}
