#include "FertileMark.h"

#include "ForecastLine.h"

#include <QEvent>
#include <QPainter>

FertileMark::FertileMark(QWidget *cell) : QWidget(cell)
{
    setObjectName(QStringLiteral("marcaDiaFertil"));
    // Clicks and hovering are the day's.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    cell->installEventFilter(this);
    place();
    hide();
}

void FertileMark::place()
{
    const QWidget *cell = parentWidget();
    setGeometry(inset, cell->height() - height, cell->width() - 2 * inset, height);
}

bool FertileMark::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        place();
    return false;
}

void FertileMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ForecastLine::markColour());
}
