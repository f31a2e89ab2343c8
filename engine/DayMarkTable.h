#pragma once
// The colour of every day from 1980 to 2080, as the month view and the
// printed calendar draw its number.

#include <QDate>

#include <array>

class DayMarkTable
{
public:
    static constexpr int firstYear = 1980;
    static constexpr int lastYear = 2080;
    static constexpr int dayCount = 32;   // index 0 unused
    static constexpr int monthCount = 13; // index 0 unused
    static constexpr int yearCount = lastYear - firstYear + 1;
    static constexpr int cellCount = dayCount * monthCount * yearCount;

    // Every cell becomes 0, the year 1980 included, so no earlier user's
    // marks can survive into a new consultation.
    void ClearMarks();

    // Stores the colour in the cell of the day. A date outside 1980-2080 is ignored.
    void SetMark(const QDate &date, qint32 colour);

    // Direct cell access for the readers; out-of-range indexes read 0 and
    // are not written.
    qint32 at(int day, int month, int year) const;
    qint32 at(const QDate &date) const { return at(date.day(), date.month(), date.year()); }
    void set(int day, int month, int year, qint32 colour);

    const std::array<qint32, cellCount> &cells() const { return m_cells; }

private:
    static int index(int day, int month, int year);

    std::array<qint32, cellCount> m_cells{};
};
