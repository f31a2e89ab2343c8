// Her protected history with the limits it ships with: opening it (the key
// derived by Argon2id, then the file opened whole) and saving one date.

#include "ProtectedHistories.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString name = QStringLiteral("Maria"), passphrase = QStringLiteral("lua cheia de março");

// A protected history of so many dates, in a folder of its own.
QString filled(const QTemporaryDir &dir, int dates)
{
    const ProtectedHistories histories(dir.path());
    const ProtectedHistories::Opened made = histories.create(name, passphrase);
    QList<QDate> starts;
    for (int i = 0; i < dates; ++i)
        starts.append(QDate(1980, 1, 1).addDays(i * 28 + i % 5));
    if (!made.ok() || made.store(dir.path()).add(name, starts).problem)
        std::abort();
    return made.file;
}

void OpenProtected(benchmark::State &state)
{
    QTemporaryDir dir;
    filled(dir, int(state.range(0)));
    for (auto _ : state) {
        const ProtectedHistories::Opened opened = ProtectedHistories(dir.path()).open(name, passphrase);
        if (!opened.ok())
            std::abort();
    }
}
BENCHMARK(OpenProtected)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(5);

void SaveProtected(benchmark::State &state)
{
    QTemporaryDir dir;
    filled(dir, int(state.range(0)));
    const ProtectedHistories::Opened opened = ProtectedHistories(dir.path()).open(name, passphrase);
    const HistoryStore store = opened.store(dir.path());
    int i = 0;
    for (auto _ : state) {
        if (store.add(name, {QDate(1900, 1, 1).addDays(i++)}).problem)
            std::abort();
    }
}
BENCHMARK(SaveProtected)->Arg(500)->Arg(99000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
