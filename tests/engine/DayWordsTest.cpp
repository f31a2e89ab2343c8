#include "CycleProjection.h"
#include "DayWords.h"
#include "MarkColors.h"
#include "fQuintrela.h"

#include <gtest/gtest.h>

using namespace MarkColors;

namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

TEST(DayWordsDay, DateThenMeaningThenToday)
{
    const QDate peak(2001, 3, 14);
    const struct
    {
        qint32 mark;
        bool today;
        const char *words;
    } cases[] = {
        {markApice, false, "quarta-feira, 14 de março de 2001: ápice da ovulação"},
        {markProxima, false, "quarta-feira, 14 de março de 2001: próxima menstruação"},
        {markMenosP, false, "quarta-feira, 14 de março de 2001: dia de baixo risco"},
        {markMaisP, false, "quarta-feira, 14 de março de 2001: dia de alto risco"},
        {0, false, "quarta-feira, 14 de março de 2001"},
        {markHoje, true, "quarta-feira, 14 de março de 2001: hoje"},
        {markApice, true, "quarta-feira, 14 de março de 2001: ápice da ovulação, hoje"},
        {0x123456, false, "quarta-feira, 14 de março de 2001"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DayWords::dayDescription(peak, c.mark, c.today), utf8(c.words)) << c.words;
    EXPECT_EQ(DayWords::longDate(QDate(2027, 1, 1)), utf8("sexta-feira, 1 de janeiro de 2027"));
}

TEST(DayWordsMonth, TheWorkedConsultationInOneSentence)
{
    fQuintrela state;
    state.EndDateIsNext = true;
    ProjectCycles(state, QDate(2001, 3, 1), 28);
    const auto summary = [&](int month, int year, QDate today = {}) {
        return DayWords::monthSummary(MonthGrid::layout(month, year), state.DayMarks, today);
    };
    EXPECT_EQ(summary(3, 2001),
              utf8("Março de 2001. Próxima menstruação: dias 1 e 28. Ápice da ovulação: dia 14. "
                   "Dias de alto risco: 12, 13, 15 e 16. Dias de baixo risco: 2, 3, 26, 27, 29 e 30."));
    // February ends with the two days before the entered date; one day reads in the singular.
    state.DayMarks.set(28, 2, 2001, markMaisP);
    EXPECT_EQ(summary(2, 2001, QDate(2001, 2, 9)),
              utf8("Fevereiro de 2001. Dia de alto risco: 28. Dia de baixo risco: 27. Hoje: dia 9."));
    EXPECT_EQ(summary(1, 1990), utf8("Janeiro de 1990."));
    // The month's descriptions, made in one go, say what each day's own does.
    const QStringList days = DayWords::dayDescriptions(MonthGrid::layout(3, 2001), state.DayMarks, QDate(2001, 3, 9));
    ASSERT_EQ(days.size(), 31);
    for (int d = 1; d <= 31; ++d)
        EXPECT_EQ(days[d - 1], DayWords::dayDescription(QDate(2001, 3, d), state.DayMarks.at(d, 3, 2001), d == 9));
    EXPECT_EQ(summary(13, 2001), QString());
}
