#include "HistoryStore.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#ifndef _WIN32
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

const QDate march(2026, 3, 2), april(2026, 3, 30), may(2026, 4, 28);

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
    // Kept between changes, empty, hers alone.
    ASSERT_EQ(::stat(QFile::encodeName(store.path() + "-journal").constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(st.st_size, 0);
#endif
}

TEST(HistoryStoreTest, KilledWhileErasingLeavesAllOrNothingAndNoByteOfWhatWentAway)
{
    POSIX_ONLY();
#ifndef _WIN32
    QList<QDate> many;
    for (int i = 0; i < 3000; ++i)
        many.append(QDate(1900, 1, 1).addDays(28 * i));
    int erased = 0, kept = 0;
    for (int round = 0; round < 16; ++round) {
        QTemporaryDir dir;
        const HistoryStore store(dir.path());
        ASSERT_TRUE(store.add("Maria", many).problem.ok());
        ASSERT_TRUE(store.add("Ana", {march}).problem.ok());
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(store.erase("Maria").ok() ? 0 : 1);
        ::usleep(useconds_t(500 * round));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QList<QDate> left = startsOf(store, "Maria");
        EXPECT_TRUE(left.isEmpty() || left.size() == many.size()) << "round " << round << ": " << left.size();
        (left.isEmpty() ? erased : kept)++;
        // Erased is erased even when killed before the file was rebuilt.
        if (left.isEmpty()) {
            EXPECT_FALSE(readBytes(store.path()).contains("MARIA")) << "round " << round;
        }
        EXPECT_EQ(startsOf(store, "Ana"), QList<QDate>{march});
    }
    std::printf("killed while erasing: %d erased, %d kept whole\n", erased, kept);
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
    EXPECT_EQ(QString::fromUtf8(sqlite.readAllStandardOutput()), "2\nJoana|2026-03-02|27\nJoana|2026-03-30|28\n");
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
             sqlite3_exec(db, "PRAGMA user_version = 3", nullptr, nullptr, nullptr);
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

TEST(HistoryStoreTest, AnotherCopyWritingIsToldAsInUse)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    ASSERT_TRUE(store.add("Maria", {march}).problem.ok());
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(store.path().toUtf8(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(store.add("Maria", {april}).problem.cause, HistoryProblem::Cause::Locked);
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(startsOf(store, "Maria"), QList<QDate>{march});
}

TEST(HistoryStoreTest, ErasingLeavesNoByteOfHerDatesInTheFile)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.path());
    QList<QDate> many;
    for (int i = 0; i < 400; ++i)
        many.append(QDate(1990, 1, 1).addDays(28 * i));
    ASSERT_TRUE(store.add("Mariazinha Secreta", many).problem.ok());
    ASSERT_TRUE(store.add("Ana", {march}).problem.ok());
    ASSERT_TRUE(readBytes(store.path()).contains("MARIAZINHA SECRETA"));
    EXPECT_TRUE(store.erase("mariazinha secreta").ok());
    const QByteArray after = readBytes(store.path());
    EXPECT_FALSE(after.contains("ARIAZINHA")) << "her name is still in the file";
    EXPECT_FALSE(after.contains("1990-01-29")) << "her dates are still in the file";
    EXPECT_EQ(startsOf(store, "Ana"), QList<QDate>{march});
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
    EXPECT_EQ(QString::fromUtf8(sqlite.readAllStandardOutput()), "2\n0\n");
}
