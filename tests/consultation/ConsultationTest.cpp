#include "Consultation.h"

#include "ConsultationTexts.h"
#include "CycleStatistics.h"
#include "SharedTexts.h"
#include "HistoryStore.h"
#include "ProtectedHistories.h"
#include "TestSupport.h"
#include "UserRecord.h"
#include "fQuintrela.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace ConsultationTexts;
using Field = Consultation::Field;
using Kind = Consultation::Message::Kind;

namespace {

const QDate today(2026, 12, 7);

class ConsultationTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    fQuintrela state;
    Consultation consultation{state, dir.path(), [] { return today; }};

    void remember(std::initializer_list<UserRecord> records)
    {
        QByteArray bytes;
        for (const UserRecord &r : records)
            bytes += r.encode();
        TestSupport::writeBytes(dir.path() + "/quintrela.dat", bytes);
    }

    Consultation::Outcome consult(const QString &name, const QString &date, const QString &cycle, bool defaults = false)
    {
        return consultation.run({name, date, cycle, defaults}, [] { return true; });
    }

    QList<QDate> history(const QString &name) const { return HistoryStore(dir.path()).starts(name).starts; }
};

} // namespace

TEST_F(ConsultationTest, TheChecksRefuseInTheirOrderAndNameTheFieldToCorrect)
{
    const struct
    {
        const char *name, *date, *cycle;
        QString text;
        Kind kind;
        Field focus;
        const char *dateShown; // the date field afterwards
    } cases[] = {
        {"", "abc", "0", noName, Kind::Warning, Field::Name, "abc"},
        {"Ma\tria", "1/3/2001", "28", nameNotStorable, Kind::Warning, Field::Name, "1/3/2001"},
        {"Maria", "abc", "28", badDate, Kind::Warning, Field::Date, "abc"},
        {"Maria", "1/1/2076", "28", after2075, Kind::Error, Field::Date, "01/01/2076"},
        {"Maria", "31/12/1980", "28", before1981, Kind::Error, Field::Date, "31/12/1980"},
        {"Maria", "1/3/2001", "15", badCycle, Kind::Error, Field::Cycle, "01/03/2001"},
        {"Maria", "1/3/2001", "", badCycle, Kind::Error, Field::Cycle, "01/03/2001"},
        {"Maria", "1/3/2001", "41", badCycle, Kind::Error, Field::Cycle, "01/03/2001"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.date + " " + c.cycle);
        const Consultation::Outcome outcome = consult(QString::fromUtf8(c.name), c.date, c.cycle);
        ASSERT_TRUE(outcome.refusal.has_value());
        EXPECT_EQ(outcome.refusal->text, c.text);
        EXPECT_EQ(outcome.refusal->kind, c.kind);
        EXPECT_EQ(outcome.refusal->focus, c.focus);
        EXPECT_EQ(outcome.shown.date, c.dateShown);
        EXPECT_FALSE(QFile::exists(dir.path() + "/quintrela.dat")) << "a refused consultation saved";
        EXPECT_TRUE(state.Projection.isEmpty());
    }
    // The ends of each range pass; a name of blanks is a name.
    for (const auto &[date, cycle] : {std::pair{"31/12/2075", "40"}, std::pair{"01/01/1981", "16"}})
        EXPECT_FALSE(consult("   ", date, cycle).refusal.has_value()) << date;
}

TEST_F(ConsultationTest, TheWorkedExampleShowsTheMonthOfTheFirstStart)
{
    state.EndDateIsNext = true;
    const Consultation::Outcome outcome = consult("Maria", "20/3/2001", "28");
    EXPECT_FALSE(outcome.refusal);
    EXPECT_TRUE(outcome.notices.isEmpty());
    EXPECT_EQ(outcome.month, QDate(2001, 4, 16));
    EXPECT_EQ(state.ShownMonth, 4);
    EXPECT_EQ(state.ShownYear, 2001);
    EXPECT_EQ(state.CurrentName, "Maria");
}

// Her old record may hold anything an older file or a hand edit left: the
// date she typed now is kept all the same, and only a past, possible date
// of the old record with it.
TEST_F(ConsultationTest, HerTypedDateIsKeptWhateverHerOldRecordHolds)
{
    const QDate typed(2026, 11, 20);
    const struct
    {
        const char *storedDate, *storedCycle;
        QList<QDate> kept;
    } cases[] = {
        {"20/10/2026", "28", {QDate(2026, 10, 20), typed}},
        {"20/10/2026", "99", {QDate(2026, 10, 20), typed}}, // length unknown, not refused
        {"20/10/2026", "ab", {QDate(2026, 10, 20), typed}},
        {"20/10/2099", "28", {typed}},                      // still to come
        {"31/02/2026", "28", {typed}},                      // no such day
        {"xx/yy/zzzz", "28", {typed}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.storedDate) + " " + c.storedCycle);
        QFile::remove(dir.path() + "/historico.db");
        remember({{"Maria", c.storedCycle, c.storedDate}});
        const Consultation::Outcome outcome = consult("Maria", "20/11/2026", "28");
        EXPECT_TRUE(outcome.notices.isEmpty()) << outcome.notices.value(0).text.toStdString();
        EXPECT_EQ(history("Maria"), c.kept);
    }
}

TEST_F(ConsultationTest, ANameOfBlanksIsRememberedButFilesNoDates)
{
    const Consultation::Outcome outcome = consult("   ", "20/11/2026", "28");
    EXPECT_TRUE(outcome.notices.isEmpty());
    EXPECT_EQ(consultation.names().names, QStringList{QString()});
    sqlite3 *db = nullptr;
    int rows = -1;
    if (QFile::exists(dir.path() + "/historico.db")) {
        ASSERT_EQ(sqlite3_open((dir.path() + "/historico.db").toUtf8(), &db), SQLITE_OK);
        sqlite3_exec(db, "SELECT count(*) FROM period_start", [](void *n, int, char **v, char **) {
            *static_cast<int *>(n) = atoi(v[0]);
            return 0;
        }, &rows, nullptr);
        sqlite3_close(db);
        EXPECT_EQ(rows, 0);
    }
}

TEST_F(ConsultationTest, ARememberedNameTypedRatherThanPickedBringsHerDataFirst)
{
    remember({{"Ana", "30", "01/11/2026"}, {"Maria", "30", "05/11/2026"}});
    const struct
    {
        bool defaults;
        Consultation::Inputs shown;
        QDate kept;
    } cases[] = {
        // The start-up's today and 28 are not hers: her record's data is.
        {true, {"Maria", "05/11/2026", "30", false}, QDate(2026, 11, 5)},
        // What she typed is hers, as always.
        {false, {"maria", "07/12/2026", "28", false}, today},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.defaults);
        QFile::remove(dir.path() + "/historico.db");
        remember({{"Ana", "30", "01/11/2026"}, {"Maria", "30", "05/11/2026"}});
        const Consultation::Outcome outcome = consult("maria", "07/12/2026", "28", c.defaults);
        EXPECT_FALSE(outcome.refusal);
        EXPECT_EQ(outcome.filledFromRecord, c.defaults);
        EXPECT_EQ(outcome.shown.name, c.shown.name);
        EXPECT_EQ(outcome.shown.date, c.shown.date);
        EXPECT_EQ(outcome.shown.cycle, c.shown.cycle);
        EXPECT_EQ(history("Maria").constLast(), c.kept);
        EXPECT_EQ(consultation.remembered("Maria").record->Ultima, c.shown.date);
    }
    // An unknown name typed with the defaults is a new consultation of today.
    const Consultation::Outcome fresh = consult("Joana", "07/12/2026", "28", true);
    EXPECT_FALSE(fresh.filledFromRecord);
    EXPECT_EQ(fresh.shown.date, "07/12/2026");
}

TEST_F(ConsultationTest, AnUnreadableRecordsFileIsToldOncePerFailure)
{
    QDir().mkpath(dir.path() + "/quintrela.dat"); // a folder where her file should be
    EXPECT_TRUE(consultation.names().notice.has_value());
    EXPECT_FALSE(consultation.names().notice.has_value());
    EXPECT_FALSE(consultation.remembered("Maria").notice.has_value());
    QDir(dir.path() + "/quintrela.dat").removeRecursively();
    EXPECT_FALSE(consultation.names().notice.has_value());
    QFile::remove(dir.path() + "/quintrela.dat");
    QDir().mkpath(dir.path() + "/quintrela.dat");
    EXPECT_TRUE(consultation.remembered("Maria").notice.has_value()) << "a new failure is told again";
}

TEST_F(ConsultationTest, TheMonthStepsStopAtTheMarksYears)
{
    state.setShownMonth(QDate(1980, 2, 1));
    EXPECT_EQ(consultation.monthAfter(-1), QDate(1980, 1, 1));
    state.setShownMonth(QDate(1980, 1, 1));
    EXPECT_FALSE(consultation.monthAfter(-1));
    state.setShownMonth(QDate(2080, 12, 1));
    EXPECT_FALSE(consultation.monthAfter(1));
    EXPECT_EQ(consultation.monthAfter(-12), QDate(2079, 12, 1));
}

// Her protected data open: her consultation reaches her sealed history
// alone, asks nothing, and leaves quintrela.dat as it was; locked, she and
// her marks are gone from the consultation.
TEST_F(ConsultationTest, AProtectedNameIsConsultedFromHerSealedHistoryAloneUntilLocked)
{
    remember({UserRecord{"Ana", "28", "05/01/2026"}, UserRecord{"Maria", "30", "02/03/2026"}});
    const ProtectedHistories histories(dir.path(), {1, 8192});
    const ProtectedHistories::Opened opened = histories.protect("Maria", "lua cheia de março");
    ASSERT_TRUE(opened.ok());
    const QByteArray records = TestSupport::readBytes(dir.path() + "/quintrela.dat");
    ASSERT_EQ(consultation.names().names, QStringList{"Ana"});

    consultation.openProtected("Maria", opened.store(dir.path()));
    EXPECT_EQ(consultation.names().names, (QStringList{"Ana", "Maria"}));
    const Consultation::Remembered remembered = consultation.remembered("maria");
    ASSERT_TRUE(remembered.record.has_value());
    EXPECT_EQ(remembered.record->Ultima, "02/03/2026");
    EXPECT_EQ(remembered.record->Periodo, "30");

    int asked = 0;
    const Consultation::Outcome outcome = consultation.run({"Maria", "05/04/2026", "29", false}, [&] {
        ++asked;
        return true;
    });
    EXPECT_FALSE(outcome.refusal.has_value());
    EXPECT_TRUE(outcome.notices.isEmpty());
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(TestSupport::readBytes(dir.path() + "/quintrela.dat"), records);
    EXPECT_TRUE(history("Maria").isEmpty());
    EXPECT_EQ(opened.store(dir.path()).starts("Maria").starts, (QList<QDate>{QDate(2026, 3, 2), QDate(2026, 4, 5)}));
    EXPECT_EQ(consultation.historyOf("MARIA").path(), opened.store(dir.path()).path());
    EXPECT_EQ(state.CurrentName, "Maria");
    const QDate marked = outcome.month.addDays(14);
    ASSERT_NE(state.DayMarks.at(marked), 0);

    consultation.lock();
    EXPECT_FALSE(consultation.isProtected("Maria"));
    EXPECT_EQ(consultation.names().names, QStringList{"Ana"});
    EXPECT_FALSE(consultation.remembered("Maria").record.has_value());
    EXPECT_TRUE(state.CurrentName.isEmpty());
    EXPECT_EQ(state.DayMarks.at(marked), 0) << "her marks are still there";
    EXPECT_EQ(consultation.historyOf("Maria").path(), HistoryStore(dir.path()).path());
}

TEST_F(ConsultationTest, UnderTheCalendarHerHistorySaysWhatIsLikelyAndWhereTheNextStartIs)
{
    const struct
    {
        const char *name;
        QList<QDate> starts; // in her history before she consults
        const char *date;
        QString pause;
        QString sentence; // empty: nothing said
        QDate comingMonth;
    } cases[] = {
        // A date to come is not kept: no history, nothing of hers to say.
        {"no history", {}, "10/12/2026", {}, {}, {}},
        {"three cycles", {{2026, 8, 15}, {2026, 9, 12}, {2026, 10, 10}}, "08/11/2026", {},
         "Pela sua história, a próxima menstruação deve começar entre 6 e 9 de dezembro (em cerca de 8 de cada 10 "
         "ciclos), mais provavelmente em 7 de dezembro.",
         {}},
        {"too few", {{2026, 10, 10}}, "08/11/2026", {},
         "Próxima menstruação pelas datas digitadas: domingo, 3 de janeiro de 2027; ainda não há ciclos suficientes "
         "para uma previsão pela sua história.",
         {}},
        {"an old date", {{2026, 2, 9}, {2026, 3, 9}, {2026, 4, 6}, {2026, 5, 4}}, "01/06/2026", {},
         "Pela sua história, a menstruação seguinte à de 1 de junho deveria ter começado entre 28 de junho e 1 de "
         "julho (em cerca de 8 de cada 10 ciclos). Se já começou, acrescente a data ao Histórico. Próxima menstruação "
         "pelas datas digitadas: segunda-feira, 14 de dezembro de 2026.",
         {2026, 12, 1}},
        {"a pause", {{2026, 8, 15}, {2026, 9, 12}, {2026, 10, 10}}, "08/11/2026",
         CycleStatistics::pauseText({QDate(2026, 11, 20), LeftOutReason::Gravidez}),
         "Durante a pausa marcada no Histórico, não há previsão pela sua história.", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromUtf8(c.name);
        const HistoryStore store(dir.path());
        ASSERT_FALSE(store.add(name, c.starts).problem);
        ASSERT_FALSE(store.setPreference(name, CycleStatistics::pausePreference, c.pause));
        const Consultation::Outcome outcome = consult(name, c.date, "28");
        ASSERT_EQ(outcome.forecast.has_value(), !c.sentence.isEmpty());
        if (!outcome.forecast)
            continue;
        EXPECT_EQ(outcome.forecast->sentence, c.sentence);
        EXPECT_EQ(outcome.forecast->comingMonth.value_or(QDate()), c.comingMonth);
    }
    // Three cycles: a day wider each side, in the cycle going on and the next likely one.
    state.CurrentName = QStringLiteral("three cycles");
    ASSERT_FALSE(consultation.showFertile(true));
    const auto told = consultation.forecast();
    ASSERT_TRUE(told);
    EXPECT_TRUE(told->fertileShown);
    ASSERT_EQ(told->fertileDates.size(), 22);
    EXPECT_EQ(told->fertileDates.constFirst(), QDate(2026, 11, 16));
    EXPECT_EQ(told->fertileDates[10], QDate(2026, 11, 26));
    EXPECT_EQ(told->fertileDates[11], QDate(2026, 12, 15));
    EXPECT_TRUE(told->fertileExplanation.startsWith("Dias férteis pela sua história: do 9º ao 19º dia do ciclo"));
    EXPECT_TRUE(told->fertileExplanation.endsWith(SharedTexts::lblSexoSafeText));
    ASSERT_FALSE(consultation.showFertile(false));
    EXPECT_FALSE(consultation.forecast()->fertileShown);
}
