#pragma once
// The main program's shared state: owned once by the program and handed to
// whoever needs it, so every test can start from a fresh one.

#include "CycleProjection.h"
#include "DayMarkTable.h"

#include <QDate>
#include <QString>

class fQuintrela
{
public:
    DayMarkTable DayMarks;
    bool EndDateIsNext = false;
    int ShownMonth = 0; // 1 to 12; 0 before any month is shown
    int ShownYear = 0;
    QString CurrentName; // name of the last successful consultation
    QList<ProjectedCycle> Projection; // its 36 cycles, empty before any

    QDate shownMonthStart() const { return QDate(ShownYear, ShownMonth, 1); }
    void setShownMonth(const QDate &day)
    {
        ShownMonth = day.month();
        ShownYear = day.year();
    }

    void ClearMarks() { DayMarks.ClearMarks(); }
    void SetMark(const QDate &date, qint32 colour) { DayMarks.SetMark(date, colour); }
};
