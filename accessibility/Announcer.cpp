#include "Announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Announcer::announce(const QString &sentence)
{
    setAccessibleName(sentence);
    // Shown again, so the screen reader hears the new sentence now.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
