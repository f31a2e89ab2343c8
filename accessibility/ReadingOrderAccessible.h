#pragma once
// A container whose children are reported in reading order (top to bottom,
// left to right), not in the order they were made to stack on screen.

#include <QAccessibleWidget>
#include <QList>
#include <QPointer>

class ReadingOrderAccessible : public QAccessibleWidget
{
public:
    ReadingOrderAccessible(QWidget *container, QAccessible::Role role, const QList<QWidget *> &children);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    // A window is not the active one while a menu of it is open: Qt reports
    // it activated as the menu opens, and a screen reader would then read the
    // window's title between the menu's items.
    QAccessible::State state() const override;

private:
    QList<QPointer<QWidget>> m_children;
};
