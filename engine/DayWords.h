#pragma once
// The calendar's colours said in words, for screen readers, tooltips and
// anyone who cannot tell the colours apart. The words are the printed page's.

#include "MonthGrid.h"

#include <QDate>
#include <QString>

class DayMarkTable;

namespace DayWords {

// "próxima menstruação", "dia de baixo risco", "dia de alto risco",
// "ápice da ovulação"; empty for a day without a meaning of its own.
QString meaning(qint32 mark);

// "quarta-feira, 14 de março de 2001"
QString longDate(const QDate &date);

// The date, then what its colour says: "quarta-feira, 14 de março de 2001:
// ápice da ovulação"; today adds "hoje". An unmarked day gives the date alone.
QString dayDescription(const QDate &date, qint32 mark, bool isToday);

// The description of every day of a month, day 1 first. The date she
// typed is marked as a start but is said for what it is: "última
// menstruação informada".
QStringList dayDescriptions(const MonthGrid::Layout &layout, const DayMarkTable &marks, const QDate &today,
                            const QDate &informed = {});

// The month in one sentence, by meaning: "Março de 2001. Última
// menstruação informada: dia 1. Próxima menstruação: dia 28. Ápice da
// ovulação: dia 14. ..."
QString monthSummary(const MonthGrid::Layout &layout, const DayMarkTable &marks, const QDate &today,
                     const QDate &informed = {});

} // namespace DayWords
