#include "DateText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <string>

#include <cmath>

using namespace DateText;

struct DateCase
{
    const char *text;
    int year, month, day; // 0 = no date
};

class DateTextRead : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(DateTextRead, ReadsDayFirst)
{
    const DateCase c = GetParam();
    const QDate date = readDate(QString::fromUtf8(c.text));
    if (c.year == 0) {
        EXPECT_FALSE(date.isValid()) << c.text;
        EXPECT_FALSE(isValidDate(QString::fromUtf8(c.text)));
    } else {
        EXPECT_EQ(date, QDate(c.year, c.month, c.day)) << c.text;
        EXPECT_TRUE(isValidDate(QString::fromUtf8(c.text)));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, DateTextRead, ::testing::Values(
    DateCase{"01/03/2001", 2001, 3, 1}, DateCase{"1/3/2001", 2001, 3, 1},
    DateCase{"01/3/2024", 2024, 3, 1}, DateCase{"  1/3/2001 ", 2001, 3, 1},
    DateCase{"29/02/2024", 2024, 2, 29}, DateCase{"29/02/2023", 0, 0, 0},
    DateCase{"31/04/2024", 0, 0, 0}, DateCase{"32/01/2024", 0, 0, 0},
    DateCase{"00/01/2024", 0, 0, 0}, DateCase{"10/13/2024", 0, 0, 0},
    DateCase{"01-03-2001", 2001, 3, 1}, DateCase{"01.03.2001", 2001, 3, 1},
    DateCase{"01/03-2001", 0, 0, 0}, DateCase{"1/3/01", 2001, 3, 1},
    DateCase{"1/3/29", 2029, 3, 1}, DateCase{"1/3/30", 1930, 3, 1},
    DateCase{"31/12/99", 1999, 12, 31}, DateCase{"1/3/201", 0, 0, 0},
    DateCase{"1/3/20011", 0, 0, 0}, DateCase{"2001/03/01", 0, 0, 0},
    DateCase{"abc", 0, 0, 0}, DateCase{"", 0, 0, 0}, DateCase{"01/03/2001x", 0, 0, 0},
    DateCase{"1 mar 2001", 0, 0, 0}, DateCase{"01/03/2001 10:00", 0, 0, 0},
    DateCase{"001/03/2001", 0, 0, 0}, DateCase{"-1/03/2001", 0, 0, 0},
    DateCase{"１/3/2001", 0, 0, 0}, DateCase{"31/12/2080", 2080, 12, 31}));

TEST(DateTextFormat, PatternsGiveTheTextsTheCallersRelyOn)
{
    EXPECT_EQ(formatDdMmYyyy(readDate("01/3/2024")), "01/03/2024");
    EXPECT_EQ(formatDdMmYyyy(QDate(981, 1, 5)), "05/01/0981");
    EXPECT_EQ(monthAndYear(readDate("01/3/2024")), QString::fromUtf8("março de 2024"));
    EXPECT_EQ(monthCaption(QDate(2024, 3, 1)), QString::fromUtf8("Março de 2024"));
    EXPECT_EQ(monthCaption(QDate(2027, 1, 1)), "Janeiro de 2027");
    EXPECT_EQ(weekdayName(QDate(2026, 2, 1)), "domingo");
    EXPECT_EQ(weekdayName(QDate(2027, 5, 1)), QString::fromUtf8("sábado"));
}

TEST(DateTextFormat, MonthNamesAreBrazilianPortuguese)
{
    const char *names[] = {"Janeiro", "Fevereiro", "Março", "Abril", "Maio", "Junho", "Julho",
                           "Agosto", "Setembro", "Outubro", "Novembro", "Dezembro"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(monthCaption(QDate(2026, m, 1)), QString::fromUtf8(names[m - 1]) + " de 2026");
}

TEST(DateTextArithmetic, AddsAcrossMonthsYearsAndLeapDays)
{
    EXPECT_EQ(QDate(2001, 12, 1).addMonths(1), QDate(2002, 1, 1));
    EXPECT_EQ(QDate(2001, 1, 1).addMonths(-1), QDate(2000, 12, 1));
    EXPECT_EQ(addDays(QDate(1981, 1, 1), -2), QDate(1980, 12, 30));
    EXPECT_EQ(addDays(QDate(2004, 2, 28), 1), QDate(2004, 2, 29));
    EXPECT_EQ(addDays(QDate(2003, 2, 28), 1), QDate(2003, 3, 1));
    // A half day is dropped.
    EXPECT_EQ(addDays(QDate(2001, 3, 1), 13.5), QDate(2001, 3, 14));
    EXPECT_EQ(addDays(QDate(2001, 3, 1), 13.0), QDate(2001, 3, 14));
    const QDate today = QDate::currentDate();
    EXPECT_EQ(daysBetween(today, today), 0);
    EXPECT_LT(daysBetween(today, QDate(2001, 3, 10)), 0);
    EXPECT_EQ(daysBetween(QDate(2001, 3, 9), QDate(2001, 3, 10)), 1);
}

struct NumberCase
{
    const char *text;
    double value;
};

class DateTextLeadingNumber : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(DateTextLeadingNumber, ReadsTheNumberAtTheStart)
{
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(GetParam().text)), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, DateTextLeadingNumber, ::testing::Values(
    NumberCase{"28", 28}, NumberCase{" 28", 28}, NumberCase{"\t16", 16}, NumberCase{"2a", 2},
    NumberCase{"a2", 0}, NumberCase{"", 0}, NumberCase{"  ", 0}, NumberCase{"-5", -5},
    NumberCase{"+7", 7}, NumberCase{"1.5", 1.5}, NumberCase{".5", 0.5}, NumberCase{"1.2.3", 1.2},
    NumberCase{"1,5", 1}, NumberCase{"1e2", 100}, NumberCase{"1E+1x", 10}, NumberCase{"2e", 2},
    NumberCase{"2e-", 2}, NumberCase{"-", 0}, NumberCase{".", 0}, NumberCase{"4 0", 4},
    NumberCase{"1e999999999", HUGE_VAL}, NumberCase{"٣", 0}));

TEST(DateTextLeadingNumberLocale, ThePointIsTheDecimalPointUnderPortuguese)
{
    // Qt adopts the environment's locale at start; users run pt_BR, whose
    // decimal separator is the comma.
    const std::string before = std::setlocale(LC_ALL, nullptr);
    // Linux's name for it, then Windows' C runtime's.
    const char *names[] = {"pt_BR.UTF-8", "Portuguese_Brazil.1252", "pt-BR"};
    ASSERT_TRUE(std::any_of(std::begin(names), std::end(names),
                            [](const char *name) { return std::setlocale(LC_ALL, name) != nullptr; }))
        << "the pt_BR.UTF-8 locale is not generated";
    const double oneAndAHalf = leadingNumber("1.5");
    const double half = leadingNumber(".5");
    const double comma = leadingNumber("1,5");
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_DOUBLE_EQ(oneAndAHalf, 1.5);
    EXPECT_DOUBLE_EQ(half, 0.5);
    EXPECT_DOUBLE_EQ(comma, 1.0);
}

TEST(DateTextRounding, HalvesGoToTheEvenNeighbour)
{
    const std::pair<double, qint64> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {28.0, 28},
                                              {28.4, 28}, {28.6, 29}, {-2.5, -2}, {-3.5, -4}};
    for (const auto &[value, expected] : cases)
        EXPECT_EQ(roundHalfEven(value), expected) << value;
    EXPECT_EQ(roundHalfEven(std::nan("")), 0);
}

TEST(DateTextText, TwoDigitsTrimAndCapital)
{
    EXPECT_EQ(twoDigits(3), "03");
    EXPECT_EQ(twoDigits(12), "12");
    EXPECT_EQ(twoDigits(32), "32");
    EXPECT_EQ(trimBlanks("  Maria  "), "Maria");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks("\tMaria "), "\tMaria");
    EXPECT_EQ(capitalizeFirst(QString::fromUtf8("ápice")), QString::fromUtf8("Ápice"));
    EXPECT_EQ(capitalizeFirst(""), "");
    EXPECT_EQ(QString::fromUtf8("josé").toUpper(), QString::fromUtf8("JOSÉ"));
}
