#include "DayMarkTable.h"

void DayMarkTable::ClearMarks()
{
    m_cells.fill(0);
}

void DayMarkTable::SetMark(const QDate &date, qint32 colour)
{
    if (!date.isValid())
        return;
    set(date.day(), date.month(), date.year(), colour);
}

int DayMarkTable::index(int day, int month, int year)
{
    if (day < 0 || day >= dayCount || month < 0 || month >= monthCount || year < firstYear
        || year > lastYear)
        return -1;
    return ((year - firstYear) * monthCount + month) * dayCount + day;
}

qint32 DayMarkTable::at(int day, int month, int year) const
{
    const int i = index(day, month, year);
    return i < 0 ? 0 : m_cells[static_cast<std::size_t>(i)];
}

void DayMarkTable::set(int day, int month, int year, qint32 colour)
{
    const int i = index(day, month, year);
    if (i >= 0)
        m_cells[static_cast<std::size_t>(i)] = colour;
}
