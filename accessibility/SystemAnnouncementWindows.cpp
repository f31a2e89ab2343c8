#include "SystemAnnouncement.h"

#include <QAccessible>
#include <QWidget>

namespace SystemAnnouncement {

void raise(QWidget *announcer, const QString &sentence)
{
    // Qt 6.4 turns a text value change into UiaRaiseNotificationEvent, which
    // NVDA speaks from the foreground program and Narrator announces.
    QAccessibleValueChangeEvent changed(announcer, sentence);
    QAccessible::updateAccessibility(&changed);
}

} // namespace SystemAnnouncement
