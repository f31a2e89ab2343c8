#pragma once
// "Relatório para a consulta": what she takes to her gynaecologist, as its
// words and figures, before any page is drawn.

#include "CycleStatistics.h"
#include "DayNote.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct DoctorReport
{
    // The last cycles and the months of notes the report covers.
    static constexpr int cyclesShown = 12;
    static constexpr int monthsOfNotes = 6;

    struct CycleRow
    {
        QString start;  // dd/mm/aaaa
        QString length; // "28 dias", or "em curso"
        QString note;   // "fora das contas: gravidez", or empty
    };
    struct Bar
    {
        QString label; // dd/mm
        int length = 0;
        bool counted = true;
    };

    QString title;
    QString nameLine;      // "Nome: Maria"; empty when she prefers no name
    QString madeOn;        // "Feito em 10/12/2026 com a Quintrela."
    QStringList summary;   // her figures, in sentences
    QList<CycleRow> cycles; // newest first
    QList<Bar> bars;        // oldest first, completed cycles only
    double mean = 0;        // 0 without figures
    QStringList leftOut;    // "26/08/2000 (94 dias): amamentação"
    QList<std::pair<QString, QString>> notes; // "02/12/2026 (quarta-feira)", its words; oldest first
};

namespace DoctorReports {

// name empty: a report without her name.
DoctorReport make(const QString &name, const QList<HistoryCycle> &cycles, const std::optional<CyclePause> &pause,
                  const QList<DayNote> &notes, const QDate &today);

} // namespace DoctorReports
