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
// projected menstruation. The inputs must have passed the consultation's
// checks (a date of 1981-2075, a length of 16-40 days).
QDate ProjectCycles(fQuintrela &state, const QDate &lastMenstruation, double cycleLength);
