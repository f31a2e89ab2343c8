#pragma once
// A consultation carried to the user's own calendar: its 36 projected cycles
// as an iCalendar file (RFC 5545), made with libical. For each cycle, an
// all-day event on the next menstruation, with a reminder two days before,
// and one over the five days of high risk around the peak of ovulation.

#include "CycleProjection.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace CalendarExport {

inline constexpr int reminderDaysBefore = 2;

// The calendar "Quintrela – <name>"; stamp is when it is made (DTSTAMP).
QByteArray calendar(const QString &name, const QList<ProjectedCycle> &cycles, const QDateTime &stamp);

// Writes the calendar to path, whole or not at all; false, with the
// system's reason, when it could not.
bool save(const QString &path, const QString &name, const QList<ProjectedCycle> &cycles, const QDateTime &stamp,
          QString *error);

// The same for the same name (in any letter case, as names are matched) and
// date, so that importing a newer file updates the events it already gave.
QString uid(const char *kind, const QDate &date, const QString &name);

} // namespace CalendarExport
