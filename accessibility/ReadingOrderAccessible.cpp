#include "ReadingOrderAccessible.h"

#include <QApplication>
#include <QMenu>
#include <QWidget>

ReadingOrderAccessible::ReadingOrderAccessible(QWidget *container, QAccessible::Role role,
                                               const QList<QWidget *> &children)
    : QAccessibleWidget(container, role)
{
    for (QWidget *child : children)
        m_children.append(child);
}

QAccessible::State ReadingOrderAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (widget()->isWindow() && qobject_cast<const QMenu *>(QApplication::activePopupWidget()))
        s.active = false;
    return s;
}

int ReadingOrderAccessible::childCount() const
{
    return int(m_children.size());
}

QAccessibleInterface *ReadingOrderAccessible::child(int index) const
{
    if (index < 0 || index >= m_children.size() || !m_children[index])
        return nullptr;
    return QAccessible::queryAccessibleInterface(m_children[index].data());
}

int ReadingOrderAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    for (int i = 0; i < m_children.size(); ++i) {
        if (m_children[i] && m_children[i].data() == child->object())
            return i;
    }
    return -1;
}
