#include "CycleForecast.h"

#include "DateText.h"
#include "ForecastTexts.h"

#include <algorithm>
#include <cmath>

namespace CycleForecast {

namespace {

// Her newest start by `today`: the range counts from it.
QDate newestStart(const QList<HistoryCycle> &cycles, const QDate &today)
{
    for (const HistoryCycle &cycle : cycles) {
        if (cycle.start <= today)
            return cycle.start;
    }
    return {};
}

int nearest(double value)
{
    return int(std::floor(value + 0.5));
}

struct Estimate
{
    int likeliest = 0; // days from her newest start
    int first = 0;
    int last = 0;
    int cycles = 0;
};

std::optional<Estimate> estimate(const QList<int> &lengths)
{
    const auto n = int(lengths.size());
    if (n < CycleStatistics::cyclesForAverage)
        return std::nullopt;
    QList<int> sorted = lengths;
    std::sort(sorted.begin(), sorted.end());
    if (n >= cyclesToTrim)
        sorted = sorted.mid(1, n - 2);
    double sum = 0;
    for (int length : sorted)
        sum += length;
    Estimate told;
    told.cycles = n;
    told.likeliest = nearest((sum + usualLength * usualLengthWeight) / (double(sorted.size()) + usualLengthWeight));

    double mean = 0;
    for (int length : lengths)
        mean += length;
    mean /= n;
    double squares = 0;
    for (int length : lengths)
        squares += (length - mean) * (length - mean);
    // Her spread, leaning on the usual one while her cycles are few; never
    // zero, so cycles all alike still leave room for the next one.
    const double spread = std::sqrt((usualSpreadWeight * usualSpread * usualSpread + squares)
                                    / (usualSpreadWeight + n - 1));
    const double half = spreadsEachSide * spread * std::sqrt(1.0 + 1.0 / n);
    told.first = told.likeliest - std::max(1, int(DateText::roundHalfEven(half - laterLean)));
    told.last = told.likeliest + std::max(1, int(DateText::roundHalfEven(half + laterLean)));
    return told;
}

QString dayWords(const QDate &day, bool withYear)
{
    return withYear ? ForecastTexts::dayOfMonthYear.arg(day.day()).arg(DateText::monthName(day)).arg(day.year())
                    : ForecastTexts::dayOfMonth.arg(day.day()).arg(DateText::monthName(day));
}

} // namespace

QList<int> knownLengths(const QList<HistoryCycle> &cycles, const QDate &today)
{
    QList<int> lengths;
    for (const HistoryCycle &cycle : cycles) {
        // Its end is a start still to come (or the clock was set back): not known yet.
        if (!cycle.counted || cycle.start.addDays(cycle.length) > today)
            continue;
        lengths.append(cycle.length);
        if (lengths.size() == CycleStatistics::recentCycles)
            break;
    }
    return lengths;
}

std::optional<NextStartRange> nextStart(const QList<HistoryCycle> &cycles, const QDate &today,
                                        const std::optional<CyclePause> &pause)
{
    if (CycleStatistics::pauseHolds(pause, cycles))
        return std::nullopt;
    const QDate from = newestStart(cycles, today);
    const std::optional<Estimate> found = estimate(knownLengths(cycles, today));
    if (!from.isValid() || !found)
        return std::nullopt;
    return NextStartRange{from, from.addDays(found->likeliest), from.addDays(found->first), from.addDays(found->last),
                          found->cycles};
}

std::optional<FertileDays> fertileDays(const QList<HistoryCycle> &cycles, const QDate &today,
                                       const std::optional<CyclePause> &pause)
{
    if (CycleStatistics::pauseHolds(pause, cycles))
        return std::nullopt;
    const std::optional<Estimate> found = estimate(knownLengths(cycles, today));
    if (!found)
        return std::nullopt;
    FertileDays told;
    told.cycles = found->cycles;
    told.wider = found->cycles < cyclesForNarrowFertile;
    const int wider = told.wider ? widerBy : 0;
    // As the calendar rule counts: a cycle's length less so many days.
    told.firstDay = std::max(1, found->first - fertileBeforeFirst - wider);
    told.lastDay = found->last - fertileBeforeLast + wider;
    return told;
}

QList<QDate> fertileDates(const FertileDays &fertile, const QDate &cycleStart)
{
    QList<QDate> dates;
    for (int day = fertile.firstDay; day <= fertile.lastDay; ++day)
        dates.append(cycleStart.addDays(day - 1));
    return dates;
}

QString rangeWords(const QDate &first, const QDate &last)
{
    const bool years = first.year() != last.year();
    const QString from = first.month() == last.month() && !years ? QString::number(first.day()) : dayWords(first, years);
    return ForecastTexts::between.arg(from, dayWords(last, years));
}

QString sentence(const NextStartRange &range, const QDate &today)
{
    const QString often = QString::number(statedTimes);
    const QString outOf = QString::number(statedOutOf);
    const QString between = rangeWords(range.first, range.last);
    if (today > range.last)
        return ForecastTexts::wentBy.arg(dayWords(range.from, range.from.year() != range.last.year()), between, often,
                                         outOf);
    return ForecastTexts::likely.arg(between, often, outOf,
                                     dayWords(range.likeliest, range.likeliest.year() != range.first.year()));
}

QString tooFewWords()
{
    return ForecastTexts::tooFew;
}

QString fertileSentence(const FertileDays &fertile)
{
    QString told = ForecastTexts::fertile.arg(fertile.firstDay).arg(fertile.lastDay);
    if (fertile.wider)
        told += ForecastTexts::fertileWider.arg(cyclesForNarrowFertile);
    return told;
}

} // namespace CycleForecast
