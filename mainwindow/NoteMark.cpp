#include "NoteMark.h"

#include <QEvent>
#include <QPainter>
#include <QPolygon>

NoteMark::NoteMark(QWidget *cell) : QWidget(cell)
{
    setObjectName(QStringLiteral("marcaAnotacao"));
    // Clicks and hovering are the day's: its tooltip and its menu.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(size, size);
    cell->installEventFilter(this);
    place();
    hide();
}

void NoteMark::place()
{
    move(parentWidget()->width() - size, 0);
}

bool NoteMark::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        place();
    return false;
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
