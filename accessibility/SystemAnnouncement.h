#pragma once
// What a sentence needs beyond the announcer being shown, on systems whose
// screen readers are not told by that (Windows: Qt 6.4's UI Automation
// raises nothing for a shown object).
// From Qt 6.8, QAccessibleAnnouncementEvent says a sentence on every system
// and replaces both this and the announcer's showing.

#include <QString>

class QWidget;

namespace SystemAnnouncement {

void raise(QWidget *announcer, const QString &sentence);

} // namespace SystemAnnouncement
