#include "HistoryDaysCsv.h"

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 7);

} // namespace

// Her days and the cycles she left out go out and come back whole, her words
// however she wrote them; what a spreadsheet would run stays text.
TEST(HistoryDaysCsvTest, HerDaysGoOutAndComeBackWhole)
{
    const QList<QDate> starts{QDate(2026, 9, 1), QDate(2026, 9, 29), QDate(2026, 10, 28)};
    const QList<HistoryCycle> cycles = CycleStatistics::cycles(starts, {{QDate(2026, 9, 29), LeftOutReason::Doenca}});
    const QList<DayNote> days{
        {QDate(2026, 9, 1), DayNote::Flow::Intenso, DayNote::Pain::Forte, {QString::fromUtf8("cólica"), "enxaqueca"},
         "irritada; cansada", QString::fromUtf8("dor \"forte\"\nde manhã; tomei remédio")},
        {QDate(2026, 9, 15), DayNote::Flow::Nenhum, DayNote::Pain::Nenhuma, {}, "", "=HYPERLINK(\"http://x\")"},
        {QDate(2026, 9, 20), DayNote::Flow::Escape, DayNote::Pain::Nenhuma, {}, "", "linha um\nlinha dois"},
    };
    const QByteArray bytes = HistoryDaysCsv::write(cycles, days);
    EXPECT_TRUE(bytes.contains("'=HYPERLINK")) << bytes.constData();
    EXPECT_FALSE(bytes.contains(";=HYPERLINK"));
    const HistoryDaysCsv::Read back = HistoryDaysCsv::read(bytes, today);
    ASSERT_TRUE(back.dates.ok()) << back.dates.sentence().toStdString();
    EXPECT_EQ(back.dates.starts, starts);
    EXPECT_EQ(back.days, days);
    EXPECT_EQ(back.leftOut, (QList<LeftOutCycle>{{QDate(2026, 9, 29), LeftOutReason::Doenca}}));

    // Nothing beyond dates: the layout every earlier export had.
    const QByteArray plain = HistoryDaysCsv::write(CycleStatistics::cycles(starts), {});
    EXPECT_EQ(plain, HistoryCsv::write(CycleStatistics::cycles(starts)));
    EXPECT_EQ(HistoryDaysCsv::read(plain, today).dates.starts, starts);
}

TEST(HistoryDaysCsvTest, AWrongLineIsNamedAndNothingIsTaken)
{
    const QByteArray head = HistoryDaysCsv::header.toUtf8() + "\r\n01/09/2026;sim;28;;leve;;;;\r\n";
    const struct
    {
        const char *line;
        int bad;
        const char *why;
    } cases[] = {
        {"02/09/2026;;;;leve;;;\r\n", 3, "8 campos"},
        {"02/09/2026;;;;torrencial;;;;\r\n", 3, "torrencial"},
        {"02/09/2026;;;doença;;;;;\r\n", 3, "motivo"},
        {"02/09/2026;talvez;;;;;;;\r\n", 3, "talvez"},
        {"01/01/2027;sim;;;;;;;\r\n", 3, "futuro"},
        {"\"uma nota\nem duas linhas\";sim;;;;;;;\r\n", 3, "não é uma data"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        const HistoryDaysCsv::Read read = HistoryDaysCsv::read(head + QByteArray(c.line), today);
        EXPECT_EQ(read.dates.badLine, c.bad);
        EXPECT_TRUE(read.dates.why.contains(QString::fromUtf8(c.why))) << read.dates.why.toStdString();
        EXPECT_TRUE(read.dates.starts.isEmpty());
        EXPECT_TRUE(read.days.isEmpty());
    }
}
