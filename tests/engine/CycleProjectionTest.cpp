#include "CycleProjection.h"
#include "DateText.h"
#include "MarkColors.h"
#include "fQuintrela.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace MarkColors;

namespace {

using Marks = std::map<QDate, qint32>;

Marks marksOf(const fQuintrela &state)
{
    Marks marks;
    for (QDate d(1980, 1, 1); d <= QDate(2080, 12, 31); d = d.addDays(1)) {
        if (const qint32 v = state.DayMarks.at(d.day(), d.month(), d.year()))
            marks[d] = v;
    }
    return marks;
}

// What a projection must mark, from the rule: starts every step - 1 days,
// each peak peakDays after its cycle's start.
Marks expectedMarks(QDate d0, int step, int peakDays)
{
    Marks marks;
    auto around = [&](QDate c, qint32 centre, qint32 side) {
        marks[c.addDays(-2)] = side;
        marks[c.addDays(-1)] = side;
        marks[c] = centre;
        marks[c.addDays(1)] = side;
        marks[c.addDays(2)] = side;
    };
    around(d0, markProxima, markMenosP);
    QDate p = d0;
    for (int i = 0; i < 36; ++i) {
        around(p.addDays(step - 1), markProxima, markMenosP);
        around(p.addDays(peakDays), markApice, markMaisP);
        p = p.addDays(step - 1);
    }
    return marks;
}

} // namespace

struct Projection
{
    const char *d0;
    const char *cycle;
    bool endDateIsNext;
    QDate n1;
    int step;     // H
    int peakDays; // whole days from a start to its peak
    QDate lastMarked;
};

class CycleProjectionTest : public ::testing::TestWithParam<Projection>
{
};

TEST_P(CycleProjectionTest, MarksExactly365DaysAndReturnsTheFirstStart)
{
    const Projection c = GetParam();
    auto state = std::make_unique<fQuintrela>();
    state->EndDateIsNext = c.endDateIsNext;
    state->DayMarks.SetMark(QDate(2026, 12, 7), markHoje); // today's mark goes with the projection
    const QDate n1 = ProjectCycles(*state, DateText::readDate(QString::fromLatin1(c.d0)), DateText::leadingNumber(QString::fromLatin1(c.cycle)));
    EXPECT_EQ(n1, c.n1);

    const Marks marks = marksOf(*state);
    EXPECT_EQ(marks.size(), 365u);
    EXPECT_EQ(marks, expectedMarks(QDate::fromString(c.d0, "dd/MM/yyyy"), c.step, c.peakDays));
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks.rbegin()->first, c.lastMarked);
}

INSTANTIATE_TEST_SUITE_P(Cases, CycleProjectionTest, ::testing::Values(
    // The worked example, and its twin with the other setting.
    Projection{"01/03/2001", "28", true, QDate(2001, 3, 28), 28, 13, QDate(2003, 10, 31)},
    Projection{"01/03/2001", "27", false, QDate(2001, 3, 28), 28, 13, QDate(2003, 10, 31)},
    // H = 29: peaks 13.5 days on, the half dropped.
    Projection{"01/03/2001", "28", false, QDate(2001, 3, 29), 29, 13, QDate(2003, 12, 6)},
    Projection{"01/03/2001", "16", true, QDate(2001, 3, 16), 16, 7, QDate(2001, 3, 1).addDays(36 * 15 + 2)},
    Projection{"01/03/2001", "40", false, QDate(2001, 4, 10), 41, 19, QDate(2001, 3, 1).addDays(36 * 40 + 2)},
    Projection{"10/02/2004", "28", true, QDate(2004, 3, 8), 28, 13, QDate(2004, 2, 10).addDays(36 * 27 + 2)},
    Projection{"01/01/1981", "28", true, QDate(1981, 1, 28), 28, 13, QDate(1981, 1, 1).addDays(36 * 27 + 2)},
    Projection{"31/12/2075", "40", false, QDate(2076, 2, 9), 41, 19, QDate(2079, 12, 12)}));

TEST(CycleProjectionWorkedExample, RowsOfTheExampleTable)
{
    fQuintrela state;
    state.EndDateIsNext = true;
    ProjectCycles(state, QDate(2001, 3, 1), 28);
    const auto &m = state.DayMarks;
    struct Row { int d, mo, y; qint32 colour; };
    const Row rows[] = {
        {27, 2, 2001, markMenosP}, {28, 2, 2001, markMenosP}, {1, 3, 2001, markProxima},
        {2, 3, 2001, markMenosP}, {3, 3, 2001, markMenosP}, {4, 3, 2001, 0}, {11, 3, 2001, 0},
        {12, 3, 2001, markMaisP}, {13, 3, 2001, markMaisP}, {14, 3, 2001, markApice},
        {15, 3, 2001, markMaisP}, {16, 3, 2001, markMaisP}, {17, 3, 2001, 0},
        {26, 3, 2001, markMenosP}, {28, 3, 2001, markProxima}, {30, 3, 2001, markMenosP},
        {10, 4, 2001, markApice}, {24, 4, 2001, markProxima}, {7, 5, 2001, markApice},
        {21, 5, 2001, markProxima}, {15, 10, 2003, markApice}, {13, 10, 2003, markMaisP},
        {29, 10, 2003, markProxima}, {31, 10, 2003, markMenosP}, {1, 11, 2003, 0},
        {26, 2, 2001, 0}};
    for (const Row &r : rows)
        EXPECT_EQ(m.at(r.d, r.mo, r.y), r.colour) << r.d << "/" << r.mo << "/" << r.y;
}

TEST(CycleProjectionWorkedExample, SettingOffMovesStartsTo28Days)
{
    fQuintrela state;
    ProjectCycles(state, QDate(2001, 3, 1), 28);
    EXPECT_EQ(state.DayMarks.at(29, 3, 2001), markProxima);
    EXPECT_EQ(state.DayMarks.at(26, 4, 2001), markProxima);
    EXPECT_EQ(state.DayMarks.at(24, 5, 2001), markProxima);
    EXPECT_EQ(state.DayMarks.at(4, 12, 2003), markProxima);
    EXPECT_EQ(state.DayMarks.at(14, 3, 2001), markApice);
}

TEST(CycleProjectionEdges, EarliestDateReaches1980AndANewProjectionWipesIt)
{
    fQuintrela state;
    state.EndDateIsNext = true;
    ProjectCycles(state, QDate(1981, 1, 1), 28);
    EXPECT_EQ(state.DayMarks.at(30, 12, 1980), markMenosP);
    EXPECT_EQ(state.DayMarks.at(31, 12, 1980), markMenosP);
    ProjectCycles(state, QDate(2001, 3, 1), 28);
    EXPECT_EQ(state.DayMarks.at(30, 12, 1980), 0);
    EXPECT_EQ(state.DayMarks.at(31, 12, 1980), 0);
}

TEST(CycleProjectionEdges, Cycle16LeavesTwoAndThreeFreeDaysBetweenWindows)
{
    fQuintrela state;
    state.EndDateIsNext = true;
    ProjectCycles(state, QDate(2001, 3, 1), 16);
    // Start 01/03 window to 03/03; peak 08/03 window from 06/03; next start 16/03 window from 14/03.
    EXPECT_EQ(state.DayMarks.at(4, 3, 2001), 0);
    EXPECT_EQ(state.DayMarks.at(5, 3, 2001), 0);
    EXPECT_EQ(state.DayMarks.at(8, 3, 2001), markApice);
    for (int d : {11, 12, 13})
        EXPECT_EQ(state.DayMarks.at(d, 3, 2001), 0) << d;
    EXPECT_EQ(state.DayMarks.at(16, 3, 2001), markProxima);
}

TEST(CycleProjectionEdges, LeadingNumberOfTheCycleText)
{
    fQuintrela a, b;
    a.EndDateIsNext = b.EndDateIsNext = true;
    ProjectCycles(a, QDate(2001, 3, 1), 28);
    ProjectCycles(b, QDate(2001, 3, 1), DateText::leadingNumber(" 28"));
    EXPECT_EQ(a.DayMarks.cells(), b.DayMarks.cells());
}
