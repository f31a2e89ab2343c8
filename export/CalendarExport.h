#pragma once
// A consultation carried to the user's own calendar: its 36 projected cycles
// as an iCalendar file (RFC 5545), made with libical. For each cycle, an
// all-day event on the next menstruation, with a reminder at nine in the
// morning two days before, and one over the five days of high risk around
// the peak of ovulation. Every event is private: a shared or synced
// calendar shows others only that she is busy.

#include "CycleProjection.h"
#include "FileProblem.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace CalendarExport {

// What her history says of the next start: carried in the description of
// the projected start nearest to it, the events and their UIDs unchanged.
struct HistoryRange
{
    QDate likeliest;
    QString words; // "Pela sua história: entre … (em cerca de 8 de cada 10 ciclos)."
};
// Nearer than this, a projected start is the one the range speaks of.
inline constexpr int rangeReachDays = 14;

inline constexpr int reminderDaysBefore = 2;
inline constexpr int reminderHour = 9;

// The calendar "Quintrela – <name>"; stamp is when it is made (DTSTAMP).
QByteArray calendar(const QString &name, const QList<ProjectedCycle> &cycles, const QDateTime &stamp,
                    const std::optional<HistoryRange> &range = std::nullopt);

// Writes the calendar to path, whole or not at all, for her eyes only;
// the cause when it could not.
FileProblem save(const QString &path, const QString &name, const QList<ProjectedCycle> &cycles,
                 const QDateTime &stamp, const std::optional<HistoryRange> &range = std::nullopt);

// The same for the same name (in any letter case, as names are matched),
// kind of event and cycle (1 to 36), whatever the dates: importing a newer
// file replaces the events an older one gave.
QString uid(const char *kind, int cycle, const QString &name);

} // namespace CalendarExport
