#include "CurrentItemTeller.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QTimer>

CurrentItemTeller::CurrentItemTeller(QAbstractItemView *view) : QObject(view), m_view(view)
{
    view->installEventFilter(this);
}

void CurrentItemTeller::tell(QAbstractItemView *view)
{
    const QModelIndex current = view->currentIndex();
    QAccessibleInterface *viewSaid = QAccessible::queryAccessibleInterface(view);
    if (!view->hasFocus() || !current.isValid() || !viewSaid || !viewSaid->tableInterface())
        return;
    QAccessibleInterface *item = viewSaid->tableInterface()->cellAt(current.row(), current.column());
    if (!item)
        return;
    QAccessibleEvent focus(view, QAccessible::Focus);
    focus.setChild(viewSaid->indexOfChild(item));
    QAccessible::updateAccessibility(&focus);
}

bool CurrentItemTeller::eventFilter(QObject *watched, QEvent *event)
{
    // After the view's own focus event, so the item is what is said last.
    if (watched == m_view && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_view, [view = m_view] { tell(view); });
    return QObject::eventFilter(watched, event);
}
