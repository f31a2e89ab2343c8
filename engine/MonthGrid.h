#pragma once
// Where the days of a month stand in a six-week grid that starts on Sunday,
// shared by the month view and the printed calendar.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace MonthGrid {

// Column (0 Sunday .. 6 Saturday) for a weekday name by the first three
// letters of its Portuguese or English name; -1 when none matches.
int weekdayColumn(const QString &weekdayName);

// "01/" + month + "/" + year, as given ("01/3/2024" or "01/03/2024").
QString firstOfMonthText(const QString &month, const QString &year);

// The text that follows a "dd/mm/yyyy" date text: the day plus one, with
// two digits, then the month and year part. It names no date past the end
// of the month.
QString nextDayText(const QString &dateText);

struct Layout
{
    bool valid = false;   // false when month/year name no month
    QString caption;      // "Março de 2024"
    int firstColumn = 0;  // cell of day 1
    QStringList dayTexts; // "dd/mm/yyyy" for day 1 .. last day
    QList<QDate> dates;   // the same days, for those who need the date itself
};

// A weekday name that matches no key puts day 1 in the Sunday column.
Layout layout(const QString &month, const QString &year);

} // namespace MonthGrid
