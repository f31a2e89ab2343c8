// The calendar file as other programs read it: an independent parser
// (python3-icalendar) and a real calendar client (khal).

#include "CalendarExport.h"
#include "CycleProjection.h"
#include "DateText.h"
#include "MarkColors.h"
#include "TestSupport.h"
#include "fQuintrela.h"

#include <QJsonArray>
#include <QMap>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace MarkColors;

namespace {

const QString notice = QString::fromUtf8(
    "A Quintrela não é um método contraceptivo. Para evitar a gravidez e previnir doenças, utilize camisinha.");
const QDateTime stamp(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);

QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

QJsonObject readBack(const QString &path)
{
    int code = 0;
    const QString out = run("/usr/bin/python3", {QUINTRELA_TEST_SOURCE "/export/read_ics.py", path}, &code);
    EXPECT_EQ(code, 0) << qPrintable(out);
    return QJsonDocument::fromJson(out.toUtf8()).object();
}

class CalendarExportTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;

    QString exported(const QString &name, const fQuintrela &state, const QDateTime &when = stamp)
    {
        const QString path = dir.filePath(QStringLiteral("export-%1.ics").arg(++m_files));
        const FileProblem problem = CalendarExport::save(path, name, state.Projection, when);
        EXPECT_TRUE(problem.ok()) << qPrintable(problem.sentence());
        return path;
    }

private:
    int m_files = 0;
};

} // namespace

TEST_F(CalendarExportTest, EveryEventAgreesWithTheDayMarks)
{
    const struct
    {
        const char *date, *cycle;
        bool endIsNext;
    } consultations[] = {
        {"01/03/2001", "28", true},  // the worked example
        {"01/01/1981", "16", true},  // the earliest: its first window reaches 1980
        {"31/12/2075", "40", false}, // the latest, the longest step: up to 2079
    };
    for (const auto &c : consultations) {
        fQuintrela state;
        state.EndDateIsNext = c.endIsNext;
        ProjectCycles(state, DateText::readDate(QString::fromLatin1(c.date)), DateText::leadingNumber(QString::fromLatin1(c.cycle)));
        const QJsonObject calendar = readBack(exported("Maria", state));
        EXPECT_EQ(calendar["name"].toString(), QString::fromUtf8("Quintrela – Maria"));
        EXPECT_EQ(calendar["version"].toString(), "2.0");
        const QJsonArray events = calendar["events"].toArray();
        ASSERT_EQ(events.size(), 72) << c.date;
        int starts = 0, risks = 0;
        for (const QJsonValue &value : events) {
            const QJsonObject e = value.toObject();
            const QDate first = QDate::fromString(e["start"].toString(), Qt::ISODate);
            const QDate end = QDate::fromString(e["end"].toString(), Qt::ISODate); // exclusive
            const QString description = e["description"].toString();
            EXPECT_TRUE(description.endsWith(notice)) << qPrintable(description);
            const auto mark = [&](const QDate &d) { return state.DayMarks.at(d.day(), d.month(), d.year()); };
            if (e["summary"].toString() == QString::fromUtf8("Próxima menstruação")) {
                ++starts;
                EXPECT_EQ(first.daysTo(end), 1);
                EXPECT_EQ(mark(first), markProxima) << qPrintable(first.toString());
                // Nine in the morning, two days before.
                EXPECT_EQ(e["alarms"].toArray(), QJsonArray({-(2 * 24 - 9) * 3600}));
                EXPECT_EQ(e["alarm_actions"].toArray(), QJsonArray({"DISPLAY"}));
            } else {
                ++risks;
                EXPECT_EQ(e["summary"].toString(), "Dias de alto risco");
                ASSERT_EQ(first.daysTo(end), 5);
                const QDate peak = first.addDays(2);
                EXPECT_EQ(description, QString::fromUtf8("Ápice da ovulação: ") + DateText::formatDdMmYyyy(peak)
                                           + "\n\n" + notice);
                const qint32 expected[] = {markMaisP, markMaisP, markApice, markMaisP, markMaisP};
                for (int i = 0; i < 5; ++i)
                    EXPECT_EQ(mark(first.addDays(i)), expected[i]) << qPrintable(first.addDays(i).toString());
            }
        }
        EXPECT_EQ(starts, 36);
        EXPECT_EQ(risks, 36);
        // And the table holds no start or peak that the file lacks: 36 each, besides the date typed.
        int tableStarts = 0, tablePeaks = 0;
        for (const qint32 cell : state.DayMarks.cells()) {
            tableStarts += cell == markProxima;
            tablePeaks += cell == markApice;
        }
        EXPECT_EQ(tableStarts, 37);
        EXPECT_EQ(tablePeaks, 36);
    }
}

TEST_F(CalendarExportTest, NamesAreEscapedAndUidsStayTheSame)
{
    fQuintrela state;
    state.EndDateIsNext = true;
    ProjectCycles(state, QDate(2001, 3, 1), 28);
    const QString name = QString::fromUtf8("Ma,ria; \\ Sá");
    const QString first = exported(name, state);
    const QByteArray text = TestSupport::readBytes(first);
    EXPECT_TRUE(text.contains(QString::fromUtf8("NAME:Quintrela – Ma\\,ria\\; \\\\ Sá\r\n").toUtf8())) << text.left(400).constData();
    EXPECT_TRUE(text.contains(QString::fromUtf8("X-WR-CALNAME:Quintrela – Ma\\,ria\\; \\\\ Sá\r\n").toUtf8()));
    EXPECT_EQ(QFile::permissions(first) & 0x00FF, QFileDevice::Permissions()); // hers alone, whatever the umask
    const QJsonObject calendar = readBack(first);
    EXPECT_EQ(calendar["name"].toString(), QString::fromUtf8("Quintrela – ") + name);
    EXPECT_EQ(calendar["x-wr-calname"].toString(), QString::fromUtf8("Quintrela – ") + name);
    EXPECT_EQ(calendar["method"].toString(), "None"); // a plain calendar, not a message
    for (const QJsonValue &e : calendar["events"].toArray())
        EXPECT_EQ(e.toObject()["class"].toString(), "PRIVATE");
    const QString longName = QString(100, QChar(0xE1)) + ",;";
    EXPECT_EQ(readBack(exported(longName, state))["x-wr-calname"].toString(), QString::fromUtf8("Quintrela – ") + longName);
    // Pasted control characters never reach the file.
    const QByteArray pasted = TestSupport::readBytes(exported(name + QChar(0x07) + "\r" + QChar(0x1B), state));
    EXPECT_TRUE(pasted.contains(QString::fromUtf8("NAME:Quintrela – Ma\\,ria\\; \\\\ Sá\r\n").toUtf8()));
    EXPECT_FALSE(pasted.contains('\x07') || pasted.contains('\x1B') || pasted.contains("\r\r"));

    auto uids = [&](const QString &path) {
        QSet<QString> set;
        for (const QJsonValue &e : readBack(path)["events"].toArray())
            set.insert(e.toObject()["uid"].toString());
        return set;
    };
    const QSet<QString> once = uids(first);
    EXPECT_EQ(once.size(), 72);
    fQuintrela later;
    later.EndDateIsNext = true;
    ProjectCycles(later, QDate(2001, 3, 5), 30);
    EXPECT_EQ(uids(exported(name, state, stamp.addDays(30))), once); // a later export
    EXPECT_EQ(uids(exported(name, later)), once);                    // a new consultation: every date moved
    EXPECT_EQ(uids(exported(name.toUpper(), state)), once);          // the name in other letters
    EXPECT_EQ(uids(exported(" " + name + "  ", state)), once);       // as her record matches it: blanks aside
    EXPECT_TRUE(uids(exported("Ana", state)).intersect(once).isEmpty()); // another user
}

TEST_F(CalendarExportTest, ARealCalendarClientImportsItAndUpdatesOnASecondImport)
{
    fQuintrela state;
    state.EndDateIsNext = true;
    ProjectCycles(state, QDate(2001, 3, 1), 28);
    const QString calendarFolder = dir.filePath("agenda");
    QDir().mkpath(calendarFolder);
    const QString config = dir.filePath("khal.conf");
    TestSupport::writeBytes(config, QStringLiteral("[calendars]\n[[quintrela]]\npath = %1\ntype = calendar\n"
                                                   "[locale]\ntimeformat = %H:%M\ndateformat = %d/%m/%Y\n"
                                                   "longdateformat = %d/%m/%Y\ndatetimeformat = %d/%m/%Y %H:%M\n"
                                                   "longdatetimeformat = %d/%m/%Y %H:%M\ndefault_timezone = UTC\n"
                                                   "local_timezone = UTC\n")
                                        .arg(calendarFolder)
                                        .toUtf8());
    const QStringList khal = {"-c", config};
    int code = 0;
    QString out = run("khal", khal + QStringList{"import", "--batch", "-a", "quintrela", exported("Maria", state)}, &code);
    ASSERT_EQ(code, 0) << qPrintable(out);
    const QStringList list = khal + QStringList{"list", "--format", "{start-date} {title}", "--day-format", "",
                                                "01/03/2001", "31/05/2001"};
    const QString threeMonths = run("khal", list);
    // March to May 2001: starts on 28/03, 24/04, 21/05; risk around the peaks of 14/03, 10/04, 07/05.
    for (const char *line : {"28/03/2001 Próxima menstruação", "24/04/2001 Próxima menstruação",
                             "21/05/2001 Próxima menstruação", "12/03/2001 Dias de alto risco",
                             "08/04/2001 Dias de alto risco", "05/05/2001 Dias de alto risco"})
        EXPECT_TRUE(threeMonths.contains(QString::fromUtf8(line))) << line << "\n" << qPrintable(threeMonths);
    const int files = int(QDir(calendarFolder).entryList(QDir::Files).size());
    EXPECT_EQ(files, 72);
    // The same consultation exported again later: the events are replaced, not doubled.
    out = run("khal", khal + QStringList{"import", "--batch", "-a", "quintrela", exported("Maria", state, stamp.addDays(1))}, &code);
    ASSERT_EQ(code, 0) << qPrintable(out);
    EXPECT_EQ(QDir(calendarFolder).entryList(QDir::Files).size(), files);
    EXPECT_EQ(run("khal", list), threeMonths);
    // A new consultation moves every date: its export replaces the older events.
    fQuintrela later;
    later.EndDateIsNext = true;
    ProjectCycles(later, QDate(2001, 3, 5), 28);
    out = run("khal", khal + QStringList{"import", "--batch", "-a", "quintrela", exported("Maria", later)}, &code);
    ASSERT_EQ(code, 0) << qPrintable(out);
    EXPECT_EQ(QDir(calendarFolder).entryList(QDir::Files).size(), files);
    const QString moved = run("khal", list);
    EXPECT_TRUE(moved.contains(QString::fromUtf8("01/04/2001 Próxima menstruação"))) << qPrintable(moved);
    EXPECT_FALSE(moved.contains(QString::fromUtf8("28/03/2001 Próxima menstruação"))) << qPrintable(moved);
}

TEST_F(CalendarExportTest, HerHistorysRangeRidesOnTheStartItSpeaksOfAndNoUidChanges)
{
    fQuintrela state;
    state.EndDateIsNext = true;
    ProjectCycles(state, QDate(2001, 3, 1), 28); // starts 28/03, 25/04, …
    const QString words = QString::fromUtf8("Pela sua história: entre 27 e 31 de março (em cerca de 8 de cada 10 ciclos).");
    const auto read = [&](const std::optional<CalendarExport::HistoryRange> &range) {
        const QString path = dir.filePath(QStringLiteral("range-%1.ics").arg(range ? range->likeliest.toJulianDay() : 0));
        EXPECT_TRUE(CalendarExport::save(path, "Maria", state.Projection, stamp, range).ok());
        QMap<QString, QString> told; // uid → description
        for (const QJsonValue &e : readBack(path)["events"].toArray())
            told[e.toObject()["uid"].toString()] = e.toObject()["description"].toString();
        return told;
    };
    const auto plain = read(std::nullopt);
    const struct
    {
        QDate likeliest;
        int cycle; // the projected start that carries it; 0: none is near
    } cases[] = {{{2001, 3, 29}, 1}, {{2001, 4, 22}, 2}, {{2030, 1, 1}, 0}};
    for (const auto &c : cases) {
        const auto ranged = read(CalendarExport::HistoryRange{c.likeliest, words});
        EXPECT_EQ(ranged.keys(), plain.keys());
        for (const QString &uid : ranged.keys()) {
            const bool carries = c.cycle && uid == CalendarExport::uid("menstruacao", c.cycle, "Maria");
            EXPECT_EQ(ranged[uid].contains(words), carries) << qPrintable(uid);
            EXPECT_TRUE(ranged[uid].endsWith(notice));
        }
    }
}
