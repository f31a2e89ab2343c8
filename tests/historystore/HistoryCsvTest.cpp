#include "HistoryCsv.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QDate today(2026, 12, 7);
}

TEST(HistoryCsvTest, WhatSpreadsheetsAndPeopleWriteIsRead)
{
    const QList<QDate> both{QDate(2026, 10, 5), QDate(2026, 11, 2)};
    const std::pair<const char *, QByteArray> cases[] = {
        {"its own export", HistoryCsv::write(CycleStatistics::cycles(both))},
        {"semicolons, CRLF, a blank line", "Início;Ciclo\r\n05/10/2026;28\r\n\r\n02/11/2026;\r\n"},
        {"a BOM, commas, ISO dates", "\xEF\xBB\xBF" "data,ciclo\n2026-10-05,28\n2026-11-02\n"},
        {"no header, quoted, short day and month", "\"5/10/2026\";\"28\"\n2/11/2026\n"},
        {"tabs", "05/10/2026\t28\n02/11/2026\t\n"},
        {"two-digit years, as a spreadsheet saves them back", "Início;Ciclo\r\n5/10/26;28\r\n02/11/26;\r\n"},
        {"a gap of 1,000 days and more, as her own export writes it", "05/10/2026;1489\n02/11/2026;28\n"},
    };
    for (const auto &[name, bytes] : cases) {
        const HistoryCsv::Read read = HistoryCsv::read(bytes, today);
        EXPECT_TRUE(read.ok()) << name << ": " << read.sentence().toStdString();
        QList<QDate> sorted = read.starts;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, both) << name;
    }
}

TEST(HistoryCsvTest, ABadLineIsNamedAndNothingIsTaken)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        int line;
        const char *why;
    } cases[] = {
        {"an impossible date", "Início;Ciclo\n05/10/2026;28\n31/02/2026;30\n", 3, "\"31/02/2026\" não é uma data"},
        {"a date still to come", "05/10/2026\n08/12/2026\n", 2, "08/12/2026 é uma data no futuro"},
        {"before 1900", "\n31/12/1899\n", 2, "anterior a 1900"},
        {"a cycle in words", "05/10/2026;vinte\n", 1, "\"vinte\" não é uma duração"},
        {"a word later on", "05/10/2026\nontem\n", 2, "\"ontem\" não é uma data"},
        {"month first", "10/25/2026\n", 1, "não é uma data"},
    };
    for (const auto &c : cases) {
        const HistoryCsv::Read read = HistoryCsv::read(c.bytes, today);
        EXPECT_EQ(read.badLine, c.line) << c.name;
        EXPECT_TRUE(read.starts.isEmpty()) << c.name;
        EXPECT_TRUE(read.sentence().contains(QString::fromUtf8(c.why))) << c.name << ": " << read.sentence().toStdString();
        EXPECT_TRUE(read.sentence().startsWith(QStringLiteral("Linha %1").arg(c.line))) << c.name;
    }
}

TEST(HistoryCsvTest, PythonsCsvReadsTheExportAsASpreadsheetWould)
{
    QList<QDate> starts{QDate(2026, 9, 7), QDate(2026, 10, 5), QDate(2026, 11, 2)};
    const QByteArray bytes = HistoryCsv::write(CycleStatistics::cycles(starts));
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"), QStringLiteral("import csv,io,sys\n"
                                                       "text = sys.stdin.buffer.read().decode('utf-8-sig')\n"
                                                       "for row in csv.reader(io.StringIO(text, newline=''), delimiter=';'):\n"
                                                       "    print('|'.join(row))\n")});
    if (!python.waitForStarted())
        GTEST_SKIP() << "no python3 here (Wine)";
    python.write(bytes);
    python.closeWriteChannel();
    ASSERT_TRUE(python.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(python.readAllStandardOutput()),
              QStringLiteral("Início da menstruação|Duração do ciclo (dias)\n07/09/2026|28\n05/10/2026|28\n02/11/2026|\n"));
}

// A bad line is named in a message she can read at once: a line of garbage
// of a megabyte is refused before it is looked at, a field is quoted short,
// and a NUL or a control character never reaches the message's text.
TEST(HistoryCsvTest, AWildLineIsToldShortAndSafely)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        int line;
    } cases[] = {
        {"a line of a megabyte", "05/10/2026\n" + QByteArray(1 << 20, 'x') + "\n", 2},
        {"a NUL inside a field", QByteArray("05/10/2026\nab\0cd;28\n", 20), 2},
        {"a long word", "05/10/2026;" + QByteArray(300, '9') + "x\n", 1},
        {"a line just too long", "05/10/2026;" + QByteArray(990, ' ') + "\n", 1},
    };
    for (const auto &c : cases) {
        const HistoryCsv::Read read = HistoryCsv::read(c.bytes, today);
        EXPECT_EQ(read.badLine, c.line) << c.name;
        const QString said = read.sentence();
        EXPECT_LE(said.size(), 160) << c.name << ": " << said.toStdString();
        EXPECT_FALSE(std::any_of(said.begin(), said.end(), [](QChar ch) { return ch.category() == QChar::Other_Control; }))
            << c.name;
        EXPECT_TRUE(said.endsWith(" Nenhuma data foi importada.")) << c.name << ": " << said.toStdString();
    }
    // A line as long as allowed is still read.
    EXPECT_TRUE(HistoryCsv::read("05/10/2026;28" + QByteArray(987, ' ') + "\n", today).ok());
}
