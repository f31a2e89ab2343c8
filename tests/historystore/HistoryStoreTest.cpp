#include "HistoryStore.h"

#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#ifndef _WIN32
#include <atomic>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

const QDate march(2026, 3, 2), april(2026, 3, 30), may(2026, 4, 28);

// The files of the folder, hidden ones too, holding any of these bytes.
std::string filesHolding(const QString &folder, const QList<QByteArray> &needles)
{
    std::string holding;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QByteArray bytes = readBytes(folder + "/" + name);
        for (const QByteArray &needle : needles) {
            if (bytes.contains(needle)) {
                holding += (name + ": " + QString::fromUtf8(needle) + "; ").toStdString();
                break;
            }
        }
    }
    return holding;
}

QList<QDate> startsOf(const HistoryStore &store, const QString &name)
{
    const HistoryStore::Starts read = store.starts(name);
    EXPECT_TRUE(read.problem.ok()) << read.problem.sentence().toStdString();
    return read.starts;
}

} // namespace

TEST(HistoryStoreTest, EachDateOnceByTheRecordsNameStartingWithTheStoredOne)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    EXPECT_TRUE(startsOf(store, "Maria").isEmpty());
    EXPECT_FALSE(QFile::exists(store.path())) << "reading made a file";

    // Her first consultation kept: the date quintrela.dat held comes first.
    EXPECT_TRUE(store.recordConsultation("Maria", april, 28, march, 28).ok());
    EXPECT_TRUE(store.recordConsultation(" maria ", may, 29, april, 28).ok());
    EXPECT_TRUE(store.recordConsultation("MARIA", may, 30, april, 29).ok());
    EXPECT_EQ(startsOf(store, "maria"), (QList<QDate>{march, april, may}));
    EXPECT_TRUE(startsOf(store, "Ana").isEmpty());

    const HistoryStore::Added added = store.add("Maria", {march, QDate(2026, 1, 31), QDate(2026, 1, 31)});
    EXPECT_TRUE(added.problem.ok());
    EXPECT_EQ(added.added, 1);
    EXPECT_TRUE(store.remove("Maria", april).ok());
    EXPECT_EQ(startsOf(store, "Maria"), (QList<QDate>{QDate(2026, 1, 31), march, may}));
#ifndef _WIN32
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(store.path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // Nothing beside it but the lock: empty, hers alone.
    ASSERT_EQ(::stat(QFile::encodeName(dir.filePath("historico.lock")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(st.st_size, 0);
#endif
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"historico.db", "historico.lock"}));
}

// The date quintrela.dat held is the one her last consultation typed: one
// whose history could not be kept then (a full disk) comes in at the next.
TEST(HistoryStoreTest, TheStoredDateReachesHerHistoryWheneverItIsMissing)
{
    const QDate june(2026, 5, 27);
    const struct
    {
        const char *what;
        QList<QDate> before;
        QDate typed, stored;
        QList<QDate> after;
    } cases[] = {
        {"no history yet", {}, april, march, {march, april}},
        {"a history without it", {march}, may, april, {march, april, may}},
        {"a history with it", {march, april}, may, april, {march, april, may}},
        {"the same date again", {march}, april, april, {march, april}},
        {"no date stored", {march}, may, {}, {march, may}},
        {"an older date missing", {april, may}, june, march, {march, april, may, june}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const HistoryStore store(dir.path());
        if (!c.before.isEmpty()) {
            ASSERT_TRUE(store.add("Maria", c.before).problem.ok());
        }
        EXPECT_TRUE(store.recordConsultation("Maria", c.typed, 28, c.stored, 28).ok());
        EXPECT_EQ(startsOf(store, "Maria"), c.after);
    }
}

TEST(HistoryStoreTest, KilledWhileErasingLeavesAllOrNothingAndThenNoByteOfHers)
{
    POSIX_ONLY();
#ifndef _WIN32
    QList<QDate> many;
    for (int i = 0; i < 3000; ++i)
        many.append(QDate(1900, 1, 1).addDays(28 * i));
    const auto filled = [&](const HistoryStore &store) {
        ASSERT_TRUE(store.add("Ana", {march}).problem.ok());
        ASSERT_TRUE(store.add("Maria", many).problem.ok());
        ASSERT_TRUE(store.add("Zulmira", {april}).problem.ok());
    };
    // Kills spread over one whole erase, from before it read to after it
    // saved (a forked copy takes about twice as long).
    QElapsedTimer timer;
    qint64 took = 0;
    {
        QTemporaryDir dir;
        const HistoryStore store(dir.path());
        filled(store);
        timer.start();
        ASSERT_TRUE(store.erase("Maria").ok());
        took = timer.nsecsElapsed() / 1000;
    }
    constexpr int rounds = 30;
    int erased = 0, kept = 0;
    for (int round = 0; round < rounds; ++round) {
        QTemporaryDir dir;
        const HistoryStore store(dir.path());
        filled(store);
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            const char go = 1;
            if (::write(started[1], &go, 1) != 1)
                ::_exit(2);
            ::_exit(store.erase("Maria").ok() ? 0 : 1);
        }
        char go = 0;
        EXPECT_EQ(::read(started[0], &go, 1), 1);
        ::close(started[0]);
        ::close(started[1]);
        ::usleep(useconds_t(took * round * 3 / rounds));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QList<QDate> left = startsOf(store, "Maria");
        EXPECT_TRUE(left.isEmpty() || left.size() == many.size()) << "round " << round << ": " << left.size();
        (left.isEmpty() ? erased : kept)++;
        EXPECT_EQ(startsOf(store, "Ana"), QList<QDate>{march});
        EXPECT_EQ(startsOf(store, "Zulmira"), QList<QDate>{april});
        if (!left.isEmpty()) {
            EXPECT_TRUE(store.erase("Maria").ok());
        }
        EXPECT_EQ(filesHolding(dir.path(), {"MARIA", "Maria", "1900-01-29", "2129-"}), "") << "round " << round;
    }
    std::printf("killed while erasing (%lld us): %d erased, %d kept whole\n", took, erased, kept);
#endif
}

TEST(HistoryStoreTest, TheSqliteToolReadsHerSchemaAndRows)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    ASSERT_TRUE(store.recordConsultation("Joana", april, 28, march, 27).ok());
    QProcess sqlite;
    sqlite.start("sqlite3", {store.path(), "PRAGMA user_version; SELECT name, start, typed_length FROM period_start ORDER BY start;"});
    if (!sqlite.waitForStarted())
        GTEST_SKIP() << "no sqlite3 tool";
    ASSERT_TRUE(sqlite.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(sqlite.readAllStandardOutput()), "3\nJoana|2026-03-02|27\nJoana|2026-03-30|28\n");
}

// Her days as she wrote them, what she leaves out and her choices: read
// back whole, by the sqlite3 tool too, apart from another name's, and gone
// without a byte when her history is erased.
TEST(HistoryStoreTest, HerDaysAreKeptApartReadBackAndErasedWithHer)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    const DayNote cramps{march, DayNote::Flow::Moderado, DayNote::Pain::Forte, {"cólica", "enxaqueca"}, "irritada",
                         "cólica forte\nde manhã"};
    const DayNote spotting{april, DayNote::Flow::Escape, DayNote::Pain::Nenhuma, {}, "", ""};
    ASSERT_TRUE(store.add("Maria", {march, april}).problem.ok());
    ASSERT_TRUE(store.saveDay("Maria", cramps).ok());
    ASSERT_TRUE(store.saveDay("MARIA ", spotting).ok());
    ASSERT_TRUE(store.saveDay("Ana", {april, DayNote::Flow::Leve, DayNote::Pain::Leve, {}, "", "da Ana"}).ok());
    ASSERT_TRUE(store.setLeftOut("Maria", march, LeftOutReason::Amamentacao).ok());
    // Not a start of hers: nothing to leave out.
    ASSERT_TRUE(store.setLeftOut("Maria", may, LeftOutReason::Outro).ok());
    ASSERT_TRUE(store.setPreference("Maria", "bloqueio", "12").ok());

    EXPECT_EQ(store.days("maria").notes, (QList<DayNote>{cramps, spotting}));
    EXPECT_EQ(store.leftOut("Maria").cycles, (QList<LeftOutCycle>{{march, LeftOutReason::Amamentacao}}));
    EXPECT_EQ(store.preference("Maria", "bloqueio").value, "12");
    EXPECT_EQ(store.preference("Ana", "bloqueio").value, "");

    // An emptied note is no note; a start removed takes its mark along.
    ASSERT_TRUE(store.saveDay("Maria", {april, DayNote::Flow::Nenhum, DayNote::Pain::Nenhuma, {" "}, " ", " "}).ok());
    EXPECT_EQ(store.days("Maria").notes, QList<DayNote>{cramps});
    ASSERT_TRUE(store.remove("Maria", march).ok());
    EXPECT_TRUE(store.leftOut("Maria").cycles.isEmpty());

    QProcess sqlite;
    sqlite.start("sqlite3", {store.path(), "SELECT day, flow, pain, replace(symptoms, char(10), '+'), mood FROM day_note"
                                           " WHERE name_key = 'MARIA';"});
    if (sqlite.waitForStarted()) {
        ASSERT_TRUE(sqlite.waitForFinished());
        EXPECT_EQ(QString::fromUtf8(sqlite.readAllStandardOutput()), "2026-03-02|3|3|cólica+enxaqueca|irritada\n");
    }
    ASSERT_TRUE(store.erase("Maria").ok());
    EXPECT_TRUE(store.days("Maria").notes.isEmpty());
    EXPECT_EQ(store.preference("Maria", "bloqueio").value, "");
    EXPECT_EQ(store.days("Ana").notes.size(), 1);
    EXPECT_EQ(filesHolding(dir.path(), {"enxaqueca", "irritada", "de manh", "MARIA"}), "");
}

// A history the previous release wrote (version 2, lengths typed): read as
// it is, then brought up to date by her first note with every date and
// length kept.
TEST(HistoryStoreTest, AVersion2HistoryOpensWholeAndTakesHerDays)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("historico.db"), readBytes(QStringLiteral(QUINTRELA_TEST_DATA "/history-v2/historico.db")));
    QFile::setPermissions(dir.filePath("historico.db"), QFile::ReadOwner | QFile::WriteOwner);
    const HistoryStore store(dir.path());
    const QList<HistoryStore::Row> maria{{march, 0}, {april, 0}, {may, 28}};
    EXPECT_EQ(store.rows("Maria").rows, maria);
    EXPECT_TRUE(store.days("Maria").problem.ok());
    EXPECT_TRUE(store.days("Maria").notes.isEmpty());
    const DayNote note{may, DayNote::Flow::Leve, DayNote::Pain::Nenhuma, {}, "", "primeiro dia"};
    ASSERT_TRUE(store.saveDay("Maria", note).ok());
    EXPECT_EQ(store.rows("Maria").rows, maria);
    EXPECT_EQ(store.starts("José").starts, (QList<QDate>{QDate(2024, 5, 1), QDate(2024, 5, 29)}));
    EXPECT_EQ(store.days("Maria").notes, QList<DayNote>{note});
}

TEST(HistoryStoreTest, ADatabaseItCannotTrustIsToldAndLeftAsItIs)
{
    QTemporaryDir dir;
    const QString good = dir.path() + "/good";
    QDir().mkpath(good);
    ASSERT_TRUE(HistoryStore(good).add("Maria", {march, april, may}).problem.ok());
    const QByteArray database = readBytes(good + "/historico.db");

    using Cause = HistoryProblem::Cause;
    // Her own file, with something planted in it.
    const auto planted = [&](const char *sql) {
        return [&database, sql](const QString &p) {
            writeBytes(p, database);
            sqlite3 *db = nullptr;
            sqlite3_open(p.toUtf8(), &db);
            const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
            sqlite3_close(db);
            if (rc != SQLITE_OK)
                writeBytes(p, {}); // not planted: the case is skipped, and seen to be
        };
    };
    const struct
    {
        const char *name;
        std::function<void(const QString &path)> plant;
        Cause cause;
        FileProblem::Cause file;
    } cases[] = {
        {"random bytes", [](const QString &p) { writeBytes(p, QByteArray(8192, '\x5a')); }, Cause::Damaged, {}},
        {"cut in the middle of a page", [&](const QString &p) { writeBytes(p, database.left(database.size() - 700)); },
         Cause::Damaged, {}},
        {"written by a newer version", [&](const QString &p) {
             writeBytes(p, database);
             sqlite3 *db = nullptr;
             sqlite3_open(p.toUtf8(), &db);
             const QByteArray newer = "PRAGMA user_version = " + QByteArray::number(HistoryStore::schemaVersion + 1);
             sqlite3_exec(db, newer.constData(), nullptr, nullptr, nullptr);
             sqlite3_close(db);
         }, Cause::Newer, {}},
        {"another program's database", [](const QString &p) {
             sqlite3 *db = nullptr;
             sqlite3_open(p.toUtf8(), &db);
             sqlite3_exec(db, "CREATE TABLE notes (t TEXT)", nullptr, nullptr, nullptr);
             sqlite3_close(db);
         }, Cause::Foreign, {}},
        {"a trigger copying her dates elsewhere",
         planted("CREATE TABLE spy (d TEXT); CREATE TRIGGER t AFTER INSERT ON period_start "
                 "BEGIN INSERT INTO spy VALUES (new.start); END;"), Cause::Foreign, {}},
        {"a trigger dropping her dates silently",
         planted("CREATE TRIGGER t BEFORE INSERT ON period_start BEGIN SELECT RAISE(IGNORE); END;"), Cause::Foreign, {}},
        {"a slow trigger", planted("CREATE TRIGGER t BEFORE INSERT ON period_start BEGIN "
                                   "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000000) "
                                   "SELECT count(*) FROM n; END;"), Cause::Foreign, {}},
        {"a view under her table's name",
         planted("DROP TABLE period_start; CREATE VIEW period_start AS SELECT 'M' AS name_key, 'M' AS name, "
                 "'2026-01-01' AS start, 28 AS typed_length;"), Cause::Foreign, {}},
        {"her table in another shape",
         planted("DROP TABLE period_start; CREATE TABLE period_start (name_key, name, start, typed_length, extra);"),
         Cause::Foreign, {}},
        {"an index of its own", planted("CREATE INDEX i ON period_start (name);"), Cause::Foreign, {}},
        {"more dates than any woman has",
         planted("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100001) "
                 "INSERT INTO period_start SELECT 'K' || i, 'K', '2000-01-01', NULL FROM n;"), Cause::TooLarge, {}},
        {"a file of 11 MB", [](const QString &p) { writeBytes(p, QByteArray(11 * 1024 * 1024, '\0')); },
         Cause::TooLarge, {}},
        {"a folder", [](const QString &p) { QDir().mkpath(p); }, Cause::File, FileProblem::Cause::NotAFile},
#ifndef _WIN32
        {"a link", [&](const QString &p) {
             writeBytes(p + ".elsewhere", database);
             QFile::link(p + ".elsewhere", p);
         }, Cause::File, FileProblem::Cause::LinkedFile},
        {"a link as its journal", [&](const QString &p) {
             writeBytes(p, database);
             writeBytes(p + ".elsewhere", "");
             QFile::link(p + ".elsewhere", p + "-journal");
         }, Cause::File, FileProblem::Cause::LinkedFile},
        {"another user's file", [&](const QString &p) {
             writeBytes(p, database);
             if (::chown(QFile::encodeName(p).constData(), 4242, 4242) != 0)
                 writeBytes(p, {}); // not root: the case cannot be planted
         }, Cause::File, FileProblem::Cause::ForeignFile},
#endif
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = dir.path() + "/" + c.name;
        QDir().mkpath(folder);
        const HistoryStore store(folder);
        c.plant(store.path());
        if (QFileInfo(store.path()).isFile() && QFileInfo(store.path()).size() == 0) {
            std::printf("not planted: %s\n", c.name);
            continue; // could not be planted by this user
        }
        const QByteArray before = QFileInfo(store.path()).isFile() ? readBytes(store.path()) : QByteArray();
        const HistoryStore::Starts read = store.starts("Maria");
        EXPECT_EQ(read.problem.cause, c.cause) << read.problem.sentence().toStdString();
        EXPECT_TRUE(read.starts.isEmpty());
        const HistoryStore::Added added = store.add("Maria", {QDate(2026, 6, 1)});
        EXPECT_EQ(added.problem.cause, c.cause);
        if (c.cause == Cause::File) {
            EXPECT_EQ(added.problem.file.cause, c.file);
        }
        EXPECT_FALSE(added.problem.sentence().isEmpty());
        if (QFileInfo(store.path()).isFile()) {
            EXPECT_EQ(readBytes(store.path()), before) << "changed";
        }
    }
}

// Three copies of the program adding at once to a history that is not there
// yet: each change is made on what the others saved, none lost.
TEST(HistoryStoreTest, CopiesWritingAtOnceLoseNoDate)
{
    POSIX_ONLY();
#ifndef _WIN32
    for (int round = 0; round < 3; ++round) {
        QTemporaryDir dir;
        const HistoryStore store(dir.path());
        constexpr int writers = 3, each = 15;
        QList<pid_t> children;
        for (int w = 0; w < writers; ++w) {
            const pid_t child = ::fork();
            if (child == 0) {
                for (int i = 0; i < each; ++i) {
                    if (!store.add("Maria", {QDate(2000, 1, 1).addDays(w * 1000 + i)}).problem.ok())
                        ::_exit(1);
                }
                ::_exit(0);
            }
            children.append(child);
        }
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        EXPECT_EQ(startsOf(store, "Maria").size(), writers * each) << "round " << round;
    }
#endif
}

TEST(HistoryStoreTest, ErasingLeavesNoByteOfHerInAnyFileWhateverNamesSortAroundHers)
{
    QList<QDate> many;
    for (int i = 0; i < 400; ++i)
        many.append(QDate(1990, 1, 1).addDays(28 * i));
    const QList<QStringList> neighbours{{}, {"Ana"}, {"Zulmira"}, {"Ana", "Zulmira", "Mariana"}};
    for (const QStringList &others : neighbours) {
        SCOPED_TRACE(others.join(',').toStdString());
        QTemporaryDir dir;
        const HistoryStore store(dir.path());
        for (const QString &other : others)
            ASSERT_TRUE(store.add(other, {march, may}).problem.ok());
        ASSERT_TRUE(store.add("Mariazinha Secreta", many).problem.ok());
        ASSERT_TRUE(store.add("Mariazinha Secreta", {april}).problem.ok());
        ASSERT_FALSE(filesHolding(dir.path(), {"MARIAZINHA SECRETA"}).empty());
        EXPECT_TRUE(store.erase("mariazinha secreta").ok());
        EXPECT_EQ(filesHolding(dir.path(), {"ARIAZINHA", "ariazinha", "1990-01-29", "2019-", "2026-03-30"}), "");
        for (const QString &other : others)
            EXPECT_EQ(startsOf(store, other), (QList<QDate>{march, may}));
    }
}

// Erasing on a full disk is told as not done, and leaves her dates whole;
// once there is room, it is done to the last byte.
TEST(HistoryStoreTest, ErasingOnAFullDiskIsToldAndDoneOnceThereIsRoom)
{
    POSIX_ONLY();
    TestSupport::SmallDisk disk(256);
    if (!disk.mounted())
        GTEST_SKIP() << "a small disk needs root";
    const HistoryStore store(disk.path());
    QList<QDate> many;
    for (int i = 0; i < 1500; ++i)
        many.append(QDate(1920, 1, 1).addDays(28 * i));
    ASSERT_TRUE(store.add("Maria", many).problem.ok());
    ASSERT_TRUE(store.add("Zulmira", {march}).problem.ok());
    disk.fill();
    const HistoryProblem refused = store.erase("Maria");
    EXPECT_EQ(refused.file.cause, FileProblem::Cause::NoSpace) << refused.sentence().toStdString();
    EXPECT_EQ(startsOf(store, "Maria"), many);
    QFile::remove(disk.path() + "/filler");
    EXPECT_TRUE(store.erase("Maria").ok());
    EXPECT_TRUE(startsOf(store, "Maria").isEmpty());
    EXPECT_EQ(startsOf(store, "Zulmira"), QList<QDate>{march});
    EXPECT_EQ(filesHolding(disk.path(), {"MARIA", "1920-01-29"}), "");
}

TEST(HistoryStoreTest, AFullDiskKeepsWhatWasCommitted)
{
    POSIX_ONLY();
    TestSupport::SmallDisk disk(256);
    if (!disk.mounted())
        GTEST_SKIP() << "a small disk needs root";
    const HistoryStore store(disk.path());
    ASSERT_TRUE(store.add("Maria", {march, april}).problem.ok());
    disk.fill();
    QList<QDate> many;
    for (int i = 0; i < 5000; ++i)
        many.append(QDate(1950, 1, 1).addDays(i));
    const HistoryStore::Added added = store.add("Maria", many);
    EXPECT_EQ(added.problem.file.cause, FileProblem::Cause::NoSpace) << added.problem.sentence().toStdString();
    EXPECT_EQ(startsOf(store, "Maria"), (QList<QDate>{march, april}));
}

TEST(HistoryStoreTest, KilledWhileSavingLosesNothingItReportedSaved)
{
    POSIX_ONLY();
#ifndef _WIN32
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    for (int round = 0; round < 8; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipeEnds[0]);
            for (int i = 0;; ++i) {
                const QDate date = QDate(1900, 1, 1).addDays(round * 100000 + i);
                if (!store.add("Maria", {date}).problem.ok())
                    ::_exit(1);
                // Told only once it is committed.
                const qint64 day = date.toJulianDay();
                if (::write(pipeEnds[1], &day, sizeof day) != sizeof day)
                    ::_exit(2);
            }
        }
        ::close(pipeEnds[1]);
        ::usleep(useconds_t(40000 + round * 15000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        QList<QDate> told;
        qint64 day = 0;
        while (::read(pipeEnds[0], &day, sizeof day) == sizeof day)
            told.append(QDate::fromJulianDay(day));
        ::close(pipeEnds[0]);
        const QList<QDate> kept = startsOf(store, "Maria");
        for (const QDate &date : told)
            EXPECT_TRUE(kept.contains(date)) << "round " << round << ": lost " << date.toString(Qt::ISODate).toStdString();
    }
#endif
}

// A history the previous release wrote (version 1): read as it is, and filed
// under the one name key at its first change, every date kept; the dates
// filed under a name of blanks, which no window could reach, go.
TEST(HistoryStoreTest, ALandedHistoryIsBroughtUpToDateWithEveryDate)
{
    QTemporaryDir dir;
    for (const char *file : {"historico.db", "historico.db-journal"}) {
        writeBytes(dir.filePath(file), readBytes(QStringLiteral(QUINTRELA_TEST_DATA "/landed-history/") + file));
        QFile::setPermissions(dir.filePath(file), QFile::ReadOwner | QFile::WriteOwner);
    }
    const HistoryStore store(dir.path());
    const QList<QDate> maria{march, april, may};
    const QList<QDate> jose{QDate(2024, 5, 1), QDate(2024, 5, 29)};
    EXPECT_EQ(startsOf(store, "maria"), maria);
    {
        // Another spelling of a key, as a hand edit could leave it.
        sqlite3 *db = nullptr;
        ASSERT_EQ(sqlite3_open(store.path().toUtf8(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, "INSERT INTO period_start VALUES ('josé', 'josé', '2024-06-26', NULL)", nullptr,
                               nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    ASSERT_TRUE(store.add("Ana", {QDate(2026, 1, 5)}).problem.ok());
    EXPECT_EQ(startsOf(store, "Maria"), maria);
    EXPECT_EQ(startsOf(store, "JOSÉ"), jose + QList<QDate>{QDate(2024, 6, 26)});
    QProcess sqlite;
    sqlite.start("sqlite3", {store.path(), "PRAGMA user_version; SELECT count(*) FROM period_start WHERE name_key = ''"
                                           " OR name_key <> upper(name_key);"});
    if (!sqlite.waitForStarted())
        GTEST_SKIP() << "no sqlite3 tool";
    ASSERT_TRUE(sqlite.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(sqlite.readAllStandardOutput()), "3\n0\n");
}

// Someone who may write the folder above hers swaps hers with a link to his
// own while she adds dates: none of them reaches his folder, every one
// reported kept is in hers. As root (CI), he is another account, in a
// folder everyone may write; otherwise a thread of hers plays him.
TEST(HistoryStoreTest, HerFolderSwappedWithHisWhileAddingTakesNothing)
{
    POSIX_ONLY();
#ifndef _WIN32
    QTemporaryDir root;
    const QString folder = root.filePath("Quintrela");
    const QString his = root.filePath("his");
    const QString swap = root.filePath("swap");
    QDir().mkdir(folder);
    QDir().mkdir(his);
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    ::chmod(QFile::encodeName(his).constData(), 0700);
    const bool twoAccounts = ::geteuid() == 0;
    if (twoAccounts) {
        TestSupport::openToEveryone(root.path());
        ::chmod(QFile::encodeName(root.path()).constData(), 0777);
        ASSERT_EQ(::chown(QFile::encodeName(his).constData(), 65534, 65534), 0);
    }
    const auto attack = [folder, his, swap](const std::atomic<bool> &stop, std::atomic<int> &swaps) {
        const QByteArray a = QFile::encodeName(folder), b = QFile::encodeName(swap);
        if (!QFile::link(his, swap))
            return;
        while (!stop) {
            if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_EXCHANGE) == 0)
                ++swaps;
            std::this_thread::yield();
        }
    };
    std::atomic<bool> stop = false;
    std::atomic<int> swaps = 0;
    std::thread thread;
    pid_t attacker = -1;
    if (twoAccounts) {
        attacker = ::fork();
        if (attacker == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(125);
            attack(stop, swaps);
            ::_exit(0);
        }
    } else {
        thread = std::thread([&] { attack(stop, swaps); });
    }
    const HistoryStore store(folder);
    QList<QDate> kept;
    int refused = 0;
    for (int i = 0; i < 3000 && (i < 200 || kept.isEmpty() || refused == 0); ++i) {
        const QDate date = QDate(1980, 1, 1).addDays(i);
        const HistoryStore::Added added = store.add("Maria", {date});
        if (added.problem.ok())
            kept.append(date);
        else
            ++refused;
    }
    if (twoAccounts) {
        ::kill(attacker, SIGKILL);
        ::waitpid(attacker, nullptr, 0);
    } else {
        stop = true;
        thread.join();
    }
    EXPECT_GT(refused, 0) << "her folder was never swapped";
    EXPECT_FALSE(kept.isEmpty());
    EXPECT_TRUE(QDir(his).isEmpty()) << "written into his folder";
    const QString hers = QFileInfo(folder).isSymLink() ? swap : folder;
    EXPECT_EQ(startsOf(HistoryStore(hers), "Maria"), kept);
    std::printf("%s: %lld kept, %d refused: nothing in his folder\n", twoAccounts ? "two accounts" : "one account",
                qint64(kept.size()), refused);
#endif
}

// A link above her folder that only she could have put there (a home moved
// elsewhere) is followed: her history works through it.
TEST(HistoryStoreTest, ALinkAboveHerFolderThatOnlySheCouldPlaceWorks)
{
    POSIX_ONLY();
    QTemporaryDir root;
    QDir().mkpath(root.filePath("var/home/Quintrela"));
    ::chmod(QFile::encodeName(root.path()).constData(), 0755);
    ASSERT_TRUE(QFile::link(root.filePath("var/home"), root.filePath("home")));
    const HistoryStore store(root.filePath("home/Quintrela"));
    const HistoryStore::Added added = store.add("Maria", {march, april});
    EXPECT_TRUE(added.problem.ok()) << added.problem.sentence().toStdString();
    EXPECT_EQ(startsOf(HistoryStore(root.filePath("var/home/Quintrela")), "Maria"), (QList<QDate>{march, april}));
}

// Another app's days join hers: her flow and words stay, symptoms she had
// not noted are added, and the same file twice adds nothing.
TEST(HistoryStoreTest, ImportedDaysJoinHersAndTwiceAddNothing)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    const DayNote hers{march, DayNote::Flow::Leve, DayNote::Pain::Nenhuma, {"acne"}, "", "meu dia"};
    ASSERT_TRUE(store.saveDay("Maria", hers).ok());
    const QList<DayNote> imported{
        {march, DayNote::Flow::Intenso, DayNote::Pain::Forte, {QString::fromUtf8("cólica")}, "", ""},
        {april, DayNote::Flow::Moderado, DayNote::Pain::Nenhuma, {}, "", ""}};
    const HistoryStore::Imported first = store.addImported("Maria", {march, april}, imported);
    ASSERT_TRUE(first.problem.ok());
    EXPECT_EQ(first.starts, 2);
    EXPECT_EQ(first.days, 2);
    const QList<DayNote> kept = store.days("Maria").notes;
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(kept[0].flow, DayNote::Flow::Leve);
    EXPECT_EQ(kept[0].pain, DayNote::Pain::Forte);
    EXPECT_EQ(kept[0].note, "meu dia");
    EXPECT_EQ(kept[0].symptoms, (QStringList{QString::fromUtf8("cólica"), "acne"}));
    const HistoryStore::Imported again = store.addImported("Maria", {march, april}, imported);
    EXPECT_EQ(again.starts, 0);
    EXPECT_EQ(again.days, 0);
    EXPECT_EQ(store.days("Maria").notes, kept);
}
