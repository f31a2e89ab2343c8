// Opening her history: the store read, the figures, the table and chart
// filled, the window laid out and drawn once.

#include "FrmHistorico.h"
#include "HistoryCsv.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

HistoryServices quietServices()
{
    HistoryServices s;
    s.message = [](QWidget *, QMessageBox::Icon, const QString &, const QString &) {};
    s.askYesNo = [](QWidget *, const QString &, const QString &) { return true; };
    s.askToDestroy = s.askYesNo;
    s.today = [] { return QDate(2026, 12, 7); };
    return s;
}

void OpenHistory(benchmark::State &state)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    QList<QDate> starts;
    for (int i = 0; i < state.range(0); ++i)
        starts.append(QDate(1980, 1, 1).addDays(i * 28 + i % 5));
    if (store.add(QStringLiteral("Maria"), starts).problem)
        std::abort();
    for (auto _ : state) {
        FrmHistorico window(QStringLiteral("Maria"), store, quietServices());
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(OpenHistory)->Arg(12)->Arg(500)->Unit(benchmark::kMillisecond);

// A CSV of 100,000 lines read and imported in one transaction: every day
// from 1900 on is only some 46,000 dates, so 40,000 of them, repeated.
void ImportCsv(benchmark::State &state)
{
    QList<HistoryCycle> cycles;
    for (int i = 0; i < state.range(0); ++i)
        cycles.prepend({QDate(1900, 1, 1).addDays(i % 40000), 1, false});
    const QByteArray csv = HistoryCsv::write(cycles);
    for (auto _ : state) {
        QTemporaryDir dir;
        const HistoryCsv::Read read = HistoryCsv::read(csv, QDate(2026, 12, 7));
        if (!read.ok() || HistoryStore(dir.path()).add(QStringLiteral("Maria"), read.starts).added != 40000)
            std::abort();
    }
    state.counters["bytes"] = double(csv.size());
}
BENCHMARK(ImportCsv)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
