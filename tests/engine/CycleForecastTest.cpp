#include "CycleForecast.h"

#include <gtest/gtest.h>

namespace {

QList<QDate> startsFrom(QDate first, const QList<int> &lengths)
{
    QList<QDate> starts{first};
    for (int length : lengths)
        starts.append(starts.constLast().addDays(length));
    return starts;
}

const QDate first(2026, 1, 5);

struct Case
{
    const char *name;
    QList<int> lengths; // oldest first, from `first`
    int todayAfterNewest; // days after her newest start; negative: the clock set back
    QList<LeftOutCycle> leftOut;
    int cycles;           // counted cycles used; 0: no forecast
    int firstDays, likeliestDays, lastDays; // from her newest start counted by today
};

} // namespace

TEST(CycleForecastTest, TheRangeRestsOnHerCountedCyclesKnownByToday)
{
    const QList<int> steady{28, 28, 28, 28, 28, 28};
    const Case cases[] = {
        {"one cycle", {28}, 3, {}, 0, 0, 0, 0},
        {"two cycles", {28, 29}, 3, {}, 0, 0, 0, 0},
        // Never zero days wide, and leaning later.
        {"all alike", steady, 3, {}, 6, 27, 28, 30},
        {"three", {27, 29, 28}, 3, {}, 3, 26, 28, 31},
        // One long cycle widens the range but does not move the likeliest day.
        {"one long cycle set aside", {28, 28, 28, 28, 40}, 3, {}, 5, 22, 28, 35},
        // The 90 days are not one cycle: three counted remain.
        {"a 90-day gap", {27, 90, 29, 28}, 3, {}, 3, 26, 28, 31},
        {"left out by her", {27, 29, 28, 45}, 3, {{first.addDays(27 + 29 + 28), LeftOutReason::Outro}}, 3, 26, 28, 31},
        // The newest start is still to come: the range counts from the one before it.
        {"a date to come", {27, 29, 28, 28}, -5, {}, 3, 26, 28, 31},
        {"the clock set back", steady, -200, {}, 0, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QList<QDate> starts = startsFrom(first, c.lengths);
        const QDate today = starts.constLast().addDays(c.todayAfterNewest);
        const auto range = CycleForecast::nextStart(CycleStatistics::cycles(starts, c.leftOut), today);
        ASSERT_EQ(range.has_value(), c.cycles > 0);
        if (!range)
            continue;
        EXPECT_EQ(range->cycles, c.cycles);
        EXPECT_LE(range->from, today);
        EXPECT_EQ(range->from.daysTo(range->first), c.firstDays);
        EXPECT_EQ(range->from.daysTo(range->likeliest), c.likeliestDays);
        EXPECT_EQ(range->from.daysTo(range->last), c.lastDays);
    }
}

TEST(CycleForecastTest, SteadyCyclesGiveANarrowerRangeAndFertileDaysThanVaryingOnes)
{
    const QDate today = first.addYears(2);
    const auto steady = CycleStatistics::cycles(startsFrom(first, {28, 29, 28, 28, 29, 28}));
    const auto varying = CycleStatistics::cycles(startsFrom(first, {24, 33, 27, 31, 25, 34}));
    const auto narrow = CycleForecast::nextStart(steady, today);
    const auto wide = CycleForecast::nextStart(varying, today);
    ASSERT_TRUE(narrow && wide);
    EXPECT_LT(narrow->first.daysTo(narrow->last), wide->first.daysTo(wide->last));

    const auto fewer = CycleForecast::fertileDays(CycleStatistics::cycles(startsFrom(first, {28, 29, 28})), today);
    const auto six = CycleForecast::fertileDays(steady, today);
    ASSERT_TRUE(fewer && six);
    EXPECT_TRUE(fewer->wider);
    EXPECT_FALSE(six->wider);
    // 27..30 days: day 9 to day 17 of her cycle.
    EXPECT_EQ(six->firstDay, 9);
    EXPECT_EQ(six->lastDay, 17);
    const QList<QDate> dates = CycleForecast::fertileDates(*six, first);
    ASSERT_EQ(dates.size(), 9);
    EXPECT_EQ(dates.constFirst(), first.addDays(8));
    EXPECT_EQ(dates.constLast(), first.addDays(16));
    EXPECT_LT(six->lastDay - six->firstDay, fewer->lastDay - fewer->firstDay);
}

TEST(CycleForecastTest, APauseThatHoldsForetellsNothing)
{
    const auto cycles = CycleStatistics::cycles(startsFrom(first, {28, 29, 28, 28}));
    const CyclePause pause{cycles.constFirst().start.addDays(10), LeftOutReason::Gravidez};
    EXPECT_FALSE(CycleForecast::nextStart(cycles, first.addYears(1), pause));
    EXPECT_FALSE(CycleForecast::fertileDays(cycles, first.addYears(1), pause));
}

TEST(CycleForecastTest, TheSentenceSaysTheRangeInHerWordsAndOnceItWentBy)
{
    const NextStartRange range{QDate(2027, 2, 26), QDate(2027, 3, 28), QDate(2027, 3, 26), QDate(2027, 3, 31), 5};
    EXPECT_EQ(CycleForecast::sentence(range, QDate(2027, 3, 1)),
              "Pela sua história, a próxima menstruação deve começar entre 26 e 31 de março "
              "(em cerca de 8 de cada 10 ciclos), mais provavelmente em 28 de março.");
    EXPECT_EQ(CycleForecast::sentence(range, QDate(2027, 4, 1)),
              "Pela sua história, a menstruação seguinte à de 26 de fevereiro deveria ter começado entre 26 e 31 "
              "de março (em cerca de 8 de cada 10 ciclos). Se já começou, acrescente a data ao Histórico.");
    EXPECT_EQ(CycleForecast::rangeWords(QDate(2027, 3, 29), QDate(2027, 4, 3)), "entre 29 de março e 3 de abril");
    EXPECT_EQ(CycleForecast::rangeWords(QDate(2026, 12, 30), QDate(2027, 1, 2)),
              "entre 30 de dezembro de 2026 e 2 de janeiro de 2027");
}
