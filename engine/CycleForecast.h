#pragma once
// What her own counted cycles say is likely: the day her next period should
// start, as a range that holds in about 8 cycles of 10, and her fertile days.
// Cycles she left out, and lengths that cannot be one cycle, say nothing.
//
// Calibrated on synthetic cohorts drawn from published figures (see
// scripts/synthetic_cycles.py): cycle length 28.9 ± 3.4 days with 95 % in
// 22-36 (Fehring 2006), within-woman spreads led by the follicular phase
// (Henry 2024), luteal phase about 13 days (Bull 2019).

#include "CycleStatistics.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

struct NextStartRange
{
    QDate from;      // her newest start the range counts from
    QDate likeliest; // the single likeliest day
    QDate first;
    QDate last;
    int cycles = 0;  // counted cycles it rests on
};

// Days of a cycle, 1 being the first day of the period.
struct FertileDays
{
    int firstDay = 0;
    int lastDay = 0;
    bool wider = false; // too few cycles yet: a day more on each side
    int cycles = 0;
};

namespace CycleForecast {

// How often the range holds: "8 de cada 10".
constexpr int statedTimes = 8;
constexpr int statedOutOf = 10;
// What the range and the likeliest day lean on while her cycles are few:
// the usual cycle (Fehring 2006's mean, rounded up) weighs as one of hers,
// a usual spread as half of one.
constexpr double usualLength = 29.0;
constexpr double usualLengthWeight = 1.0;
constexpr double usualSpread = 3.0;
constexpr double usualSpreadWeight = 0.5;
// The half-width, in her spreads: tuned so the range holds 8 times in 10.
constexpr double spreadsEachSide = 1.2;
// Cycles run long more often than short: the range reaches half a day later.
constexpr double laterLean = 0.5;
// From 5 counted cycles her shortest and longest are set aside for the likeliest day.
constexpr int cyclesToTrim = 5;
// Fertile: from the range's first day less 18 to its last day less 13;
// the ovulation falls about 13 days before the next start, fertile from 5
// days before it. Under 6 cycles, a day more each side.
constexpr int fertileBeforeFirst = 18;
constexpr int fertileBeforeLast = 13;
constexpr int cyclesForNarrowFertile = 6;
constexpr int widerBy = 1;

// Her counted lengths already known on `today`, newest first, at most the
// recent ones the figures take. A start after today is not yet hers to count.
QList<int> knownLengths(const QList<HistoryCycle> &cycles, const QDate &today);

// None before she has 3 counted cycles, or while a pause holds.
std::optional<NextStartRange> nextStart(const QList<HistoryCycle> &cycles, const QDate &today,
                                        const std::optional<CyclePause> &pause = std::nullopt);
std::optional<FertileDays> fertileDays(const QList<HistoryCycle> &cycles, const QDate &today,
                                       const std::optional<CyclePause> &pause = std::nullopt);

// Her fertile days in the cycle started that day, as dates.
QList<QDate> fertileDates(const FertileDays &fertile, const QDate &cycleStart);

// "entre 26 e 31 de março", "entre 29 de março e 3 de abril", with the year
// when the two days are in different years.
QString rangeWords(const QDate &first, const QDate &last);

// "Pela sua história, a próxima menstruação deve começar entre … (em cerca
// de 8 de cada 10 ciclos), mais provavelmente em …". Said in the past once
// the range has gone by on `today`.
QString sentence(const NextStartRange &range, const QDate &today);
// "ainda não há ciclos suficientes para uma previsão pela sua história"
QString tooFewWords();
// In Histórico: the days of the cycle, and why they may be wider.
QString fertileSentence(const FertileDays &fertile);

} // namespace CycleForecast
