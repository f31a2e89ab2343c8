// prediction_bench FILE.csv: how the program's own forecast does on real
// (or synthetic) cycles. Each woman's cycles are walked in order; from her
// third on, the next one is foretold from those before it alone.
// Prints one JSON object; see the README for the figures.

#include "CycleForecast.h"
#include "CycleProjection.h"
#include "CycleStatistics.h"
#include "fQuintrela.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

struct Cycle
{
    int number = 0;
    int length = 0;
    int ovulation = 0; // day of the cycle; 0 when unknown
};

// A plain comma-separated line; the study's file quotes nothing.
QStringList fields(const QString &line)
{
    QStringList told = line.split(u',');
    for (QString &field : told)
        field = field.trimmed();
    return told;
}

struct Totals
{
    int cycles = 0;
    int covered = 0;
    double width = 0;
    double error = 0;
    int fertileCycles = 0;
    double fertileCovered = 0;
    double fertileDays = 0;
    double coloursCovered = 0;
};

// The share of her real fertile days (ovulation less 5 to ovulation) within days first..last.
double shareOf(int ovulation, int first, int last)
{
    int inside = 0;
    for (int day = ovulation - 5; day <= ovulation; ++day)
        inside += day >= first && day <= last;
    return inside / 6.0;
}

void walk(const QList<Cycle> &cycles, Totals &totals)
{
    const QDate origin(2000, 1, 1);
    QList<QDate> starts{origin};
    for (qsizetype i = 0; i < cycles.size(); ++i) {
        const QDate start = starts.constLast();
        const Cycle &next = cycles[i];
        if (i >= 2) {
            const QList<HistoryCycle> history = CycleStatistics::cycles(starts);
            const auto range = CycleForecast::nextStart(history, start);
            if (range) {
                const QDate real = start.addDays(next.length);
                ++totals.cycles;
                totals.covered += real >= range->first && real <= range->last;
                totals.width += double(range->first.daysTo(range->last) + 1);
                totals.error += double(std::abs(range->likeliest.daysTo(real)));
            }
            const auto fertile = CycleForecast::fertileDays(history, start);
            const auto figures = CycleStatistics::figures(history);
            if (fertile && figures && next.ovulation > 0) {
                ++totals.fertileCycles;
                totals.fertileCovered += shareOf(next.ovulation, fertile->firstDay, fertile->lastDay);
                totals.fertileDays += fertile->lastDay - fertile->firstDay + 1;
                // The month's five "more dangerous" days, for the length she would type: her mean.
                fQuintrela state;
                const int typed = std::clamp(CycleStatistics::roundedMean(*figures), CycleStatistics::shortestTyped,
                                             CycleStatistics::longestTyped);
                ProjectCycles(state, start, typed);
                const int peak = int(start.daysTo(state.Projection.constFirst().peak)) + 1;
                totals.coloursCovered += shareOf(next.ovulation, peak - 2, peak + 2);
            }
        }
        starts.append(start.addDays(next.length));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: prediction_bench FILE.csv\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "prediction_bench: cannot read %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    QTextStream in(&file);
    const QStringList header = fields(in.readLine());
    const auto client = header.indexOf(u"ClientID"), number = header.indexOf(u"CycleNumber"),
               length = header.indexOf(u"LengthofCycle"), ovulation = header.indexOf(u"EstimatedDayofOvulation");
    if (client < 0 || number < 0 || length < 0 || ovulation < 0) {
        std::fprintf(stderr, "prediction_bench: the header lacks ClientID, CycleNumber, LengthofCycle or "
                             "EstimatedDayofOvulation\n");
        return 1;
    }
    // Women in the order they first appear; each one's cycles by number.
    QStringList order;
    QHash<QString, std::map<int, Cycle>> women;
    int skipped = 0;
    while (!in.atEnd()) {
        const QStringList row = fields(in.readLine());
        if (row.size() <= std::max({client, number, length, ovulation}) || row[client].isEmpty()) {
            skipped += !row.join(QString()).isEmpty();
            continue;
        }
        bool numbered = false, measured = false;
        Cycle cycle{row[number].toInt(&numbered), row[length].toInt(&measured), row[ovulation].toInt()};
        if (!numbered || !measured || cycle.length <= 0) {
            ++skipped;
            continue;
        }
        if (!women.contains(row[client]))
            order.append(row[client]);
        women[row[client]][cycle.number] = cycle;
    }
    Totals totals;
    for (const QString &woman : order) {
        QList<Cycle> cycles;
        for (const auto &[n, cycle] : women[woman])
            cycles.append(cycle);
        walk(cycles, totals);
    }
    if (totals.cycles == 0) {
        std::fprintf(stderr, "prediction_bench: no woman has three cycles to foretell from\n");
        return 1;
    }
    const double counted = totals.cycles;
    const double fertileCycles = std::max(1, totals.fertileCycles);
    // In the order the figures are read, and with a point whatever the locale.
    const auto n = [](double value, int places) { return QString::number(value, 'f', places); };
    const QString told =
        QStringLiteral("{\"cycles\": %1, \"next_start\": {\"stated\": %2, \"covered\": %3, \"mean_width_days\": %4, "
                       "\"mae_days\": %5}, \"fertile\": {\"covered\": %6, \"mean_days\": %7, \"cycles\": %8}, "
                       "\"colours\": {\"fertile_covered\": %9}}")
            .arg(QString::number(totals.cycles), n(double(CycleForecast::statedTimes) / CycleForecast::statedOutOf, 2),
                 n(totals.covered / counted, 3), n(totals.width / counted, 2), n(totals.error / counted, 2),
                 n(totals.fertileCovered / fertileCycles, 3), n(totals.fertileDays / fertileCycles, 2),
                 QString::number(totals.fertileCycles), n(totals.coloursCovered / fertileCycles, 3));
    std::printf("%s\n", told.toUtf8().constData());
    if (skipped)
        std::fprintf(stderr, "prediction_bench: %d rows without a cycle number or length skipped\n", skipped);
    return 0;
}
