#include "HistoryStore.h"
#include "RollbackJournal.h"

#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

// The history and its journal as the previous release left them when it was
// killed in a change: copied while the transaction is open, after SQLite has
// spilled part of it into the file. `before` is the file before the change.
struct Crash
{
    QByteArray before, database, journal;
};

Crash crashedIn(const QString &folder, const char *change)
{
    const QString path = folder + "/historico.db";
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8(), &db);
    sqlite3_exec(db,
                 "PRAGMA page_size = 1024; PRAGMA auto_vacuum = FULL; PRAGMA journal_mode = TRUNCATE;"
                 "PRAGMA synchronous = FULL;"
                 "CREATE TABLE period_start ( name_key TEXT NOT NULL, name TEXT NOT NULL,"
                 " start TEXT NOT NULL CHECK (start GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),"
                 " typed_length INTEGER CHECK (typed_length BETWEEN 16 AND 40),"
                 " PRIMARY KEY (name_key, start)) WITHOUT ROWID; PRAGMA user_version = 2;"
                 "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 299)"
                 " INSERT INTO period_start SELECT 'MARIA', 'Maria', date('1990-01-01', '+' || (28 * i) || ' days'), 28"
                 " FROM n;",
                 nullptr, nullptr, nullptr);
    Crash crash;
    crash.before = readBytes(path);
    sqlite3_exec(db, "PRAGMA cache_size = 2; BEGIN;", nullptr, nullptr, nullptr);
    sqlite3_exec(db, change, nullptr, nullptr, nullptr);
    crash.database = readBytes(path);
    crash.journal = readBytes(path + "-journal");
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return crash;
}

} // namespace

TEST(RollbackJournalTest, AKilledChangeIsPutBackToTheLastByte)
{
    const struct
    {
        const char *what;
        const char *change;
        bool spilled; // the file itself was changed before the kill
    } cases[] = {
        {"dates added, the file grown",
         "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 2999)"
         " INSERT INTO period_start SELECT 'ANA', 'Ana', date('1900-01-01', '+' || i || ' days'), NULL FROM n;",
         true},
        {"her dates being erased", "DELETE FROM period_start WHERE name_key = 'MARIA';"
                                   "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 2999)"
                                   " INSERT INTO period_start SELECT 'ZULMIRA', 'Zulmira', date('1900-01-01', '+' || i || ' days'), NULL FROM n;",
         true},
        {"one date, not yet in the file", "INSERT INTO period_start VALUES ('ANA', 'Ana', '2026-01-05', NULL);", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        Crash crash = crashedIn(dir.path(), c.change);
        ASSERT_EQ(crash.database != crash.before, c.spilled) << "the case is not what it says";
        ASSERT_FALSE(crash.journal.isEmpty());
        EXPECT_EQ(RollbackJournal::undo(crash.database, crash.journal), c.spilled);
        EXPECT_EQ(crash.database.size(), crash.before.size());
        EXPECT_TRUE(crash.database == crash.before);

        // Her store reads it so, and on its first change leaves no journal.
        QTemporaryDir folder;
        writeBytes(folder.filePath("historico.db"), crashedIn(folder.path(), c.change).database);
        writeBytes(folder.filePath("historico.db-journal"), crash.journal);
        const HistoryStore store(folder.path());
        const HistoryStore::Starts read = store.starts("Maria");
        EXPECT_TRUE(read.problem.ok()) << read.problem.sentence().toStdString();
        EXPECT_EQ(read.starts.size(), 300);
        EXPECT_TRUE(store.starts("Ana").starts.isEmpty());
        EXPECT_TRUE(QFile::exists(folder.filePath("historico.db-journal"))) << "reading changed the folder";
        const HistoryProblem added = store.add("Ana", {QDate(2026, 2, 2)}).problem;
        EXPECT_TRUE(added.ok()) << added.sentence().toStdString();
        EXPECT_FALSE(QFile::exists(folder.filePath("historico.db-journal")));
        EXPECT_EQ(store.starts("Maria").starts.size(), 300);
        EXPECT_EQ(store.starts("Ana").starts, QList<QDate>{QDate(2026, 2, 2)});
    }
}

// What no kill left: the file is taken as it is.
TEST(RollbackJournalTest, AJournalOfNoKilledChangeChangesNothing)
{
    QTemporaryDir dir;
    const Crash crash = crashedIn(dir.path(), "DELETE FROM period_start;");
    QByteArray zeroedHeader = crash.journal;
    zeroedHeader.replace(0, 28, QByteArray(28, '\0'));
    const struct
    {
        const char *what;
        QByteArray journal;
    } cases[] = {
        {"emptied after its commit", {}},
        {"its header wiped after its commit", zeroedHeader},
        {"bytes of something else", QByteArray(5000, 'x')},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray database = crash.before;
        EXPECT_FALSE(RollbackJournal::undo(database, c.journal));
        EXPECT_TRUE(database == crash.before);
    }
}
