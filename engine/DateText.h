#pragma once
// Date and text services: day-first date texts, Portuguese names, numbers
// read the way the user typed them. Results do not depend on the system locale.

#include <QDate>
#include <QString>

namespace DateText {

// Reads a day-first date text: d/m/yyyy, dd/mm/yyyy or d/m/yy, with "/", "-"
// or "." as separator, surrounding blanks ignored. Two-digit years fall in
// 1930-2029. Anything else, or a day that does not exist, gives an invalid date.
QDate readDate(const QString &text);
bool isValidDate(const QString &text);

// "dd/mm/yyyy"
QString formatDdMmYyyy(const QDate &date);
// "março": the month's name alone.
QString monthName(const QDate &date);
// "março de 2001": the locale's month name, " de ", the year.
QString monthAndYear(const QDate &date);
// "Março de 2001": as the month view and the printed page show it.
QString monthCaption(const QDate &date);
// "domingo", "segunda-feira", ... "sábado"
QString weekdayName(const QDate &date);

// Adds days; a fractional part is dropped, so 13.5 days from P gives P + 13.
QDate addDays(const QDate &date, double days);
// Day boundaries from `from` to `to`, positive when `to` is later.
qint64 daysBetween(const QDate &from, const QDate &to);

// The number a text starts with: leading blanks skipped, optional sign,
// digits, one "." as decimal point, optional exponent; 0 when there is none.
double leadingNumber(const QString &text);
// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
qint64 roundHalfEven(double value);
// At least two digits: 3 -> "03", 12 -> "12".
QString twoDigits(qint64 value);
// Blanks (spaces) removed at both ends; other white space is kept.
QString trimBlanks(const QString &text);
// Upper case with the first character only: "março de 2001" -> "Março de 2001".
QString capitalizeFirst(const QString &text);

} // namespace DateText
