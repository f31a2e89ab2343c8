#pragma once
// Where the days of a month stand in a six-week grid that starts on Sunday,
// shared by the month view and the printed calendar.

#include <QDate>
#include <QList>
#include <QString>

namespace MonthGrid {

// Column (0 Sunday .. 6 Saturday) for a weekday name by the first three
// letters of its Portuguese or English name; -1 when none matches.
int weekdayColumn(const QString &weekdayName);

struct Layout
{
    bool valid = false;  // false when month/year name no month
    QString caption;     // "Março de 2024"
    int firstColumn = 0; // cell of day 1
    QList<QDate> dates;  // day 1 .. last day
};

// A weekday name that matches no key puts day 1 in the Sunday column.
Layout layout(int month, int year);

} // namespace MonthGrid
