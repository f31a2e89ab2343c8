#include "FertileMark.h"

#include "ForecastLine.h"

#include <QPainter>

FertileMark::FertileMark(QWidget *cell) : CellMark(cell, QStringLiteral("marcaDiaFertil"))
{
    place();
}

QRect FertileMark::placeIn(const QSize &cell) const
{
    return QRect(inset, cell.height() - height, cell.width() - 2 * inset, height);
}

void FertileMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ForecastLine::markColour());
}
