#pragma once
// How her own cycles behave, from the dates her periods started: each
// cycle's length, and over her most recent cycles the mean, median,
// shortest, longest and standard deviation. No store here: the dates come in.

#include "LeftOutCycle.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

struct HistoryCycle
{
    QDate start;
    int length = 0;       // days to the next start; 0 for the cycle still going on
    bool counted = false; // taken into the figures (see countable()), unless she left it out
    std::optional<LeftOutReason> chosenOut; // left out by her, for this reason
};

// "Estou grávida / amamentando": no estimate from her cycles since that day,
// until a start after it.
struct CyclePause
{
    QDate since;
    LeftOutReason reason = LeftOutReason::Gravidez;
};

struct CycleFigures
{
    int cycles = 0; // how many recent counted cycles the figures are over
    double mean = 0;
    double median = 0;
    int shortest = 0;
    int longest = 0;
    double deviation = 0; // population standard deviation, in days
};

namespace CycleStatistics {

// Figures are over at most this many of her most recent counted cycles.
constexpr int recentCycles = 12;
// And only once she has this many.
constexpr int cyclesForAverage = 3;
// A length outside these cannot be one cycle: a start left out (far longer),
// a pregnancy, or a bleed that was not a period (far shorter). Listed, not counted.
constexpr int shortestCountable = 16;
constexpr int longestCountable = 60;
// What the cycle-length field takes, her mean included.
constexpr int shortestTyped = 16;
constexpr int longestTyped = 40;
// Shortest to longest beyond this, and the coloured days are less certain for her.
constexpr int irregularSpread = 7;
// The calendar rule: fertile from the shortest cycle less 18 to the longest less 11.
constexpr int calendarRuleFirst = 18;
constexpr int calendarRuleLast = 11;

bool countable(int length);

// Her cycles, newest first, from starts in any order (repeats ignored);
// those she left out are not counted, and say why.
QList<HistoryCycle> cycles(QList<QDate> starts, const QList<LeftOutCycle> &leftOut = {});

// The pause still holds: no start of hers came after it.
bool pauseHolds(const std::optional<CyclePause> &pause, const QList<HistoryCycle> &cycles);
// Kept as "aaaa-mm-dd;reason" with her choices, under this key.
inline const QString pausePreference = QStringLiteral("pausa");
QString pauseText(const CyclePause &pause);
std::optional<CyclePause> pauseFrom(const QString &text);

// Over her most recent counted cycles; nothing before she has cyclesForAverage.
std::optional<CycleFigures> figures(const QList<HistoryCycle> &cycles);

// The mean rounded to whole days, as the cycle-length field takes it.
int roundedMean(const CycleFigures &figures);

// What she is told of her cycles, in Portuguese sentences; a pause that
// holds comes first, and no estimate is made.
QString summary(const QList<HistoryCycle> &cycles, const std::optional<CyclePause> &pause = std::nullopt);

// The same in plain words, a short line each, the answer first: her usual
// cycle, how long her cycles run, how much they vary; then what is left out.
// The statistical terms are in details().
QStringList plainSummary(const QList<HistoryCycle> &cycles, const std::optional<CyclePause> &pause = std::nullopt);

// A figure with what it means, for the "Detalhes" fold.
struct Detail
{
    QString term;        // "Mediana"
    QString value;       // "29 dias"
    QString explanation; // "o valor do meio: …"
};
// None before she has enough cycles for figures.
QList<Detail> details(const QList<HistoryCycle> &cycles);

// Days as Brazilians write them: "29", "28,5".
QString days(double value);

} // namespace CycleStatistics
