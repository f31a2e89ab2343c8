#pragma once

#include <QDate>
#include <QString>

class fQuintrela;

// Clears the day marks and writes 36 projected cycles from the last
// menstruation; returns the first projected menstruation. The inputs must
// have passed the calculate command's checks.
QDate ProjectCycles(fQuintrela &state, const QString &lastMenstruation, const QString &cycleLength);
