#include "DoctorReport.h"

#include "DayWords.h"

namespace DoctorReports {
namespace {

QString ddmmyyyy(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

DoctorReport make(const QString &name, const QList<HistoryCycle> &cycles, const std::optional<CyclePause> &pause,
                  const QList<DayNote> &notes, const QDate &today)
{
    DoctorReport report;
    report.title = QStringLiteral("Relatório do ciclo menstrual");
    if (!name.trimmed().isEmpty())
        report.nameLine = QStringLiteral("Nome: ") + name.trimmed();
    report.madeOn = QStringLiteral("Feito em %1 com a Quintrela, a partir das datas e anotações guardadas por ela.")
                        .arg(ddmmyyyy(today));
    // The figures over the same cycles the table shows.
    const QList<HistoryCycle> shown = cycles.mid(0, DoctorReport::cyclesShown + 1);
    report.summary = CycleStatistics::summary(shown, pause).split(QStringLiteral(". "), Qt::SkipEmptyParts);
    for (QString &sentence : report.summary) {
        if (!sentence.endsWith(u'.') && !sentence.endsWith(u':'))
            sentence += u'.';
    }
    if (const auto figures = CycleStatistics::figures(shown))
        report.mean = figures->mean;
    for (const HistoryCycle &cycle : shown) {
        QString note;
        if (cycle.chosenOut)
            note = QStringLiteral("fora das contas: ") + LeftOutCycles::reasonWord(*cycle.chosenOut);
        else if (cycle.length > 0 && !cycle.counted)
            note = QStringLiteral("fora das contas (menos de 16 ou mais de 60 dias)");
        report.cycles.append({ddmmyyyy(cycle.start),
                              cycle.length ? QStringLiteral("%1 dias").arg(cycle.length) : QStringLiteral("em curso"), note});
        if (cycle.length > 0)
            report.bars.prepend({cycle.start.toString(QStringLiteral("dd/MM")), cycle.length, cycle.counted});
        if (cycle.chosenOut)
            report.leftOut.append(QStringLiteral("%1 (%2): %3")
                                      .arg(ddmmyyyy(cycle.start),
                                           cycle.length ? QStringLiteral("%1 dias").arg(cycle.length)
                                                        : QStringLiteral("em curso"),
                                           LeftOutCycles::reasonWord(*cycle.chosenOut)));
    }
    const QDate since = today.addMonths(-DoctorReport::monthsOfNotes);
    for (const DayNote &note : notes) {
        if (note.day < since || note.day > today)
            continue;
        const QString words = DayNotes::words(note);
        if (!words.isEmpty())
            report.notes.append({DayWords::longDate(note.day), words});
    }
    return report;
}

} // namespace DoctorReports
