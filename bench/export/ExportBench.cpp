#include "CalendarExport.h"
#include "CycleProjection.h"
#include "fQuintrela.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

fQuintrela workedExample()
{
    fQuintrela state;
    state.EndDateIsNext = true;
    ProjectCycles(state, QDate(2001, 3, 1), 28);
    return state;
}

// The 36 cycles as iCalendar text.
void ExportCalendar(benchmark::State &s)
{
    const fQuintrela state = workedExample();
    const QDateTime stamp = QDateTime::currentDateTimeUtc();
    for (auto _ : s)
        benchmark::DoNotOptimize(CalendarExport::calendar("Maria", state.Projection, stamp));
}
BENCHMARK(ExportCalendar)->Unit(benchmark::kMicrosecond);

// The whole command's work after the dialog: made and written to a file.
void ExportToFile(benchmark::State &s)
{
    const fQuintrela state = workedExample();
    QTemporaryDir dir;
    const QString path = dir.filePath("Quintrela Maria.ics");
    for (auto _ : s) {
        if (const FileProblem problem = CalendarExport::save(path, "Maria", state.Projection, QDateTime::currentDateTimeUtc()))
            s.SkipWithError(qPrintable(problem.sentence()));
    }
}
BENCHMARK(ExportToFile)->Unit(benchmark::kMicrosecond);

} // namespace
