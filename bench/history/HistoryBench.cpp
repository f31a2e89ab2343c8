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

// Her history of so many dates, and another name's beside it.
void filled(const HistoryStore &store, int dates)
{
    QList<QDate> starts;
    for (int i = 0; i < dates; ++i)
        starts.append(QDate(1980, 1, 1).addDays(i * 28 + i % 5));
    if (store.add(QStringLiteral("Maria"), starts).problem || store.add(QStringLiteral("Ana"), {QDate(2026, 1, 5)}).problem)
        std::abort();
}

void OpenHistory(benchmark::State &state)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    filled(store, int(state.range(0)));
    for (auto _ : state) {
        FrmHistorico window(QStringLiteral("Maria"), store, quietServices());
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(OpenHistory)->Arg(12)->Arg(500)->Arg(99000)->Unit(benchmark::kMillisecond);

// The file read through her folder's handle and her dates read from it.
void ReadHistory(benchmark::State &state)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    filled(store, int(state.range(0)));
    for (auto _ : state) {
        if (store.starts(QStringLiteral("Maria")).starts.size() != state.range(0))
            std::abort();
    }
}
BENCHMARK(ReadHistory)->Arg(500)->Arg(99000)->Unit(benchmark::kMillisecond);

// One date added: read, changed in memory, saved whole and synced.
void SaveOneDate(benchmark::State &state)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    filled(store, int(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        if (store.add(QStringLiteral("Ana"), {QDate(1900, 1, 1).addDays(i++)}).problem)
            std::abort();
    }
}
BENCHMARK(SaveOneDate)->Arg(500)->Arg(99000)->Unit(benchmark::kMillisecond);

// Her history erased among others': rebuilt without her and saved.
void EraseHistory(benchmark::State &state)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    for (auto _ : state) {
        state.PauseTiming();
        filled(store, int(state.range(0)));
        state.ResumeTiming();
        if (store.erase(QStringLiteral("Maria")))
            std::abort();
    }
}
BENCHMARK(EraseHistory)->Arg(500)->Arg(99000)->Unit(benchmark::kMillisecond);

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
