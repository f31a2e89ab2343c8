#pragma once
// Her history with her days as a CSV, for a spreadsheet and to be read back:
// one line for each date that is a start or has a note, oldest first,
//   Data;Início da menstruação;Duração do ciclo (dias);Fora das contas;Fluxo;Dor;Sintomas;Humor;Anotação
// her words quoted as spreadsheets quote them. With no note and no cycle
// left out, it is the plain layout of HistoryCsv, which is still read.

#include "CycleStatistics.h"
#include "DayNote.h"
#include "HistoryCsv.h"
#include "LeftOutCycle.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace HistoryDaysCsv {

inline const QString header = QStringLiteral(
    "Data;Início da menstruação;Duração do ciclo (dias);Fora das contas;Fluxo;Dor;Sintomas;Humor;Anotação");

QByteArray write(const QList<HistoryCycle> &cycles, const QList<DayNote> &days);

struct Read
{
    HistoryCsv::Read dates; // starts, or the first wrong line
    QList<DayNote> days;
    QList<LeftOutCycle> leftOut;
};

// Either layout; a line wrong anywhere gives nothing.
Read read(QByteArrayView bytes, const QDate &today);

} // namespace HistoryDaysCsv
