#include "HistoryImport.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

const QDate today(2026, 12, 7);

QDate d(const char *iso)
{
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

HistoryImport::Read readFixture(const char *name)
{
    return HistoryImport::read(TestSupport::readBytes(QStringLiteral(QUINTRELA_TEST_DATA "/imports/") + name), today);
}

} // namespace

// Each app's file read for what it holds: a period is one start on its first
// day that is more than spotting, its flows and symptoms kept by day; a file
// with one entry wrong is named where and why, and gives nothing.
TEST(HistoryImportTest, EachAppsExportGivesHerStartsAndDaysOrNothing)
{
    using F = HistoryImport::Format;
    const struct
    {
        const char *file;
        F format;
        QList<QDate> starts;
        int days;
        const char *problem; // the start of what she is told
    } cases[] = {
        {"clue-good.json", F::Clue, {d("2022-12-14"), d("2023-01-10")}, 8, ""},
        {"clue-bad-date.json", F::Clue, {}, 0, "Clue, entrada 3: \"2022-13-01\" não é uma data válida"},
        {"clue-bad-flow.json", F::Clue, {}, 0, "Clue, entrada 2: o fluxo \"torrential\""},
        {"clue-to-come.json", F::Clue, {}, 0, "Clue, entrada 2: \"2099-01-01\" ainda não chegou"},
        {"clue-no-date.json", F::Clue, {}, 0, "Clue, entrada 2: falta"},
        {"flo-good.json", F::Flo, {d("2022-12-13"), d("2023-01-10")}, 0, ""},
        {"flo-bad-date.json", F::Flo, {}, 0, "Flo, ciclo 2: \"13/01/2023\" não é uma data válida"},
        {"drip-good.csv", F::Drip, {d("2022-12-13"), d("2023-01-10")}, 5, ""},
        {"drip-bad-bleeding.csv", F::Drip, {}, 0, "drip, linha 3: o sangramento \"7\""},
        {"another-program.json", F::Unknown, {}, 0, "Este arquivo JSON não é uma exportação do Clue"},
        {"empty-list.json", F::Unknown, {}, 0, "Este arquivo JSON não é"},
        {"empty.csv", F::Unknown, {}, 0, "O arquivo está vazio"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const HistoryImport::Read read = readFixture(c.file);
        EXPECT_EQ(read.format, c.format);
        EXPECT_EQ(read.ok(), QByteArray(c.problem).isEmpty()) << read.problem.toStdString();
        if (!read.ok())
            EXPECT_TRUE(read.problem.startsWith(QString::fromUtf8(c.problem))) << read.problem.toStdString();
        EXPECT_EQ(read.starts, c.starts);
        EXPECT_EQ(read.days.size(), c.days);
    }
    const HistoryImport::Read clue = readFixture("clue-good.json");
    ASSERT_GE(clue.days.size(), 3);
    EXPECT_EQ(clue.days[0].flow, DayNote::Flow::Escape);
    EXPECT_EQ(clue.days[2].day, d("2022-12-14"));
    EXPECT_EQ(clue.days[2].flow, DayNote::Flow::Intenso);
    EXPECT_EQ(clue.days[2].symptoms, (QStringList{QString::fromUtf8("cólica"), QString::fromUtf8("dor de cabeça")}));
    const HistoryImport::Read drip = readFixture("drip-good.csv");
    ASSERT_EQ(drip.days.size(), 5);
    EXPECT_EQ(drip.days[3].day, d("2022-12-28")) << "a day she excluded in drip lost its flow";
    EXPECT_EQ(drip.days[3].flow, DayNote::Flow::Leve);

    // Her own CSV is read as before; a file past any history is not read.
    EXPECT_EQ(HistoryImport::read("05/10/2026;28\r\n2026-11-02;\r\n", today).starts,
              (QList<QDate>{d("2026-10-05"), d("2026-11-02")}));
    EXPECT_FALSE(HistoryImport::read(QByteArray(9 * 1024 * 1024, '['), today).ok());
}
