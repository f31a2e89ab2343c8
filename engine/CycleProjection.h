#pragma once

#include <QDate>
#include <QList>
#include <QString>

class fQuintrela;

// One projected cycle: the next menstruation it ends with, and the peak of
// ovulation within it.
struct ProjectedCycle
{
    QDate start; // the next menstruation (drawn blue)
    QDate peak;  // the peak of ovulation (drawn red)
};

// Clears the day marks and writes 36 projected cycles from the last
// menstruation; keeps them in state.Projection and returns the first
// projected menstruation. The inputs must have passed the calculate
// command's checks.
QDate ProjectCycles(fQuintrela &state, const QString &lastMenstruation, const QString &cycleLength);
