#include "DateText.h"
#include "MonthGrid.h"

#include <gtest/gtest.h>

using namespace MonthGrid;

TEST(MonthGridWeekday, PortugueseAndEnglishKeys)
{
    const std::pair<const char *, int> cases[] = {
        {"domingo", 0}, {"segunda-feira", 1}, {"terça-feira", 2}, {"quarta-feira", 3},
        {"quinta-feira", 4}, {"sexta-feira", 5}, {"sábado", 6}, {"Sunday", 0}, {"Monday", 1},
        {"Tuesday", 2}, {"Wednesday", 3}, {"Thursday", 4}, {"Friday", 5}, {"Saturday", 6},
        {"SÁBADO", 6}, {"sabado", -1}, {"Sonntag", -1}, {"", -1}};
    for (const auto &[name, column] : cases)
        EXPECT_EQ(weekdayColumn(QString::fromUtf8(name)), column) << name;
}

struct MonthCase
{
    int month;
    int year;
    int firstColumn;
    int days;
    const char *caption;
};

class MonthGridLayout : public ::testing::TestWithParam<MonthCase>
{
};

TEST_P(MonthGridLayout, PlacesDayOneAndCountsTheDays)
{
    const MonthCase c = GetParam();
    const Layout l = layout(c.month, c.year);
    ASSERT_TRUE(l.valid);
    EXPECT_EQ(l.firstColumn, c.firstColumn);
    EXPECT_EQ(l.dates.size(), c.days);
    EXPECT_EQ(l.caption, QString::fromUtf8(c.caption));
    for (int d = 0; d < l.dates.size(); ++d)
        EXPECT_EQ(l.dates[d], QDate(c.year, c.month, d + 1));
}

INSTANTIATE_TEST_SUITE_P(Months, MonthGridLayout, ::testing::Values(
    MonthCase{2, 2026, 0, 28, "Fevereiro de 2026"}, // Sunday start: four full rows
    MonthCase{5, 2027, 6, 31, "Maio de 2027"},      // Saturday start: cells 6 to 36
    MonthCase{5, 2027, 6, 31, "Maio de 2027"},
    MonthCase{2, 2024, 4, 29, "Fevereiro de 2024"},
    MonthCase{2, 2023, 3, 28, "Fevereiro de 2023"},
    MonthCase{3, 2001, 4, 31, "Março de 2001"},
    MonthCase{12, 2080, 0, 31, "Dezembro de 2080"},
    MonthCase{1, 1980, 2, 31, "Janeiro de 1980"},
    MonthCase{4, 2024, 1, 30, "Abril de 2024"}));

TEST(MonthGridLayoutBad, NumbersThatNameNoMonth)
{
    EXPECT_FALSE(layout(13, 2024).valid);
    EXPECT_FALSE(layout(0, 2024).valid);
}
