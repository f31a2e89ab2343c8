#include "CycleProjection.h"
#include "fQuintrela.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

static void ProjectCyclesWhole(benchmark::State &state)
{
    auto q = std::make_unique<fQuintrela>();
    q->EndDateIsNext = true;
    const QDate d0(2001, 3, 1);
    const double cycle = 28;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ProjectCycles(*q, d0, cycle));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ProjectCyclesWhole);

static void ClearMarksAlone(benchmark::State &state)
{
    auto q = std::make_unique<fQuintrela>();
    for (auto _ : state) {
        q->ClearMarks();
        benchmark::DoNotOptimize(q->DayMarks.cells().data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ClearMarksAlone);

// The floor ClearMarks is measured against: a plain memset of the same table.
static void MemsetSameTable(benchmark::State &state)
{
    auto cells = std::make_unique<std::array<qint32, DayMarkTable::cellCount>>();
    for (auto _ : state) {
        std::memset(cells->data(), 0, sizeof(*cells));
        benchmark::DoNotOptimize(cells->data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MemsetSameTable);
