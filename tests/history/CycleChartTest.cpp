#include "CycleChart.h"

#include <gtest/gtest.h>

namespace {

QList<HistoryCycle> shownFrom(const QList<int> &lengths)
{
    QList<QDate> starts{QDate(2025, 1, 1)};
    for (int length : lengths)
        starts.append(starts.constLast().addDays(length));
    QList<HistoryCycle> shown;
    for (const HistoryCycle &cycle : CycleStatistics::cycles(starts)) {
        if (cycle.length > 0)
            shown.prepend(cycle);
    }
    return shown;
}

} // namespace

// Her 26 to 33 days fill the chart's height instead of a 0-60 scale; the
// counting limits come in only with a cycle past them.
TEST(CycleChartTest, TheScaleFitsHerCycles)
{
    using Scale = CycleChart::Scale;
    const struct
    {
        const char *name;
        QList<int> lengths;
        Scale scale;
    } cases[] = {
        {"steady", {26, 28, 30, 33}, {15, 40, false, false}},
        {"one far longer", {28, 29, 94, 27}, {15, 65, false, true}},
        {"one far shorter", {28, 8, 29, 27}, {5, 35, true, false}},
        {"irregular", {23, 39, 31, 25, 36}, {10, 45, false, false}},
        {"nothing yet", {}, {0, 0, false, false}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CycleChart::scaleFor(shownFrom(c.lengths)), c.scale);
    }
}
