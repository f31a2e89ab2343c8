#include "CellMark.h"

#include <QEvent>

CellMark::CellMark(QWidget *cell, const QString &name) : QWidget(cell)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    cell->installEventFilter(this);
    hide();
}

void CellMark::place()
{
    setGeometry(placeIn(parentWidget()->size()));
}

bool CellMark::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        place();
    return false;
}
