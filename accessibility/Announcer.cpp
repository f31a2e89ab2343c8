#include "Announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Nothing to say before the first sentence: the window opens silent.
    hide();
}

void Announcer::announce(const QString &sentence)
{
    setAccessibleName(sentence);
    if (isHidden()) {
        show();
        return;
    }
    // Shown again, so the screen reader hears the new sentence now.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
