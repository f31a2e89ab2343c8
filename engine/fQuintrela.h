#pragma once
// The main program's shared state: owned once by the program and handed to
// whoever needs it, so every test can start from a fresh one.

#include "CycleProjection.h"
#include "DayMarkTable.h"

#include <QString>

class fQuintrela
{
public:
    DayMarkTable DayMarks;
    bool EndDateIsNext = false;
    QString ShownMonth;  // "3" or "03"
    QString ShownYear;   // "2001"
    QString CurrentName; // name of the last successful consultation
    QList<ProjectedCycle> Projection; // its 36 cycles, empty before any

    void ClearMarks() { DayMarks.ClearMarks(); }
    void SetMark(const QString &dateText, qint32 colour) { DayMarks.SetMark(dateText, colour); }
};
