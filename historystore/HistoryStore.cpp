#include "HistoryStore.h"

#include "DateText.h"
#include "OpenFolder.h"
#include "OwnFile.h"
#include "SystemError.h"
#include "NameKey.h"
#include "UserRecord.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <cerrno>
#include <memory>
#include <utility>

namespace {

constexpr auto dateFormat = "yyyy-MM-dd";
// The first version this program reads; older files came from no release.
constexpr int firstVersion = 1;
// Her one table, as this program makes it: a file whose schema holds
// anything else (a trigger, a view, another table) is not a history of hers.
constexpr auto periodStartSql =
    "CREATE TABLE period_start ("
    " name_key TEXT NOT NULL,"
    " name TEXT NOT NULL,"
    " start TEXT NOT NULL CHECK (start GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),"
    " typed_length INTEGER CHECK (typed_length BETWEEN 16 AND 40),"
    " PRIMARY KEY (name_key, start)) WITHOUT ROWID";

// One open database; every failure is kept as a HistoryProblem.
class Connection
{
public:
    explicit Connection(QString path) : m_path(std::move(path)) {}
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool open()
    {
        sqlite3 *db = nullptr;
        const int rc = sqlite3_open_v2(m_path.toUtf8().constData(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_EXRESCODE, nullptr);
        m_db.reset(db);
        if (rc != SQLITE_OK)
            return fail(rc);
        sqlite3_busy_timeout(db, 2000);
        // Nothing the file holds runs on its own: no function of the schema
        // is trusted, and no statement may write the schema itself.
        sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        // Deleted rows are overwritten, nothing goes to a temporary file
        // elsewhere, and a commit is on the disk before it returns.
        return exec("PRAGMA secure_delete=ON; PRAGMA temp_store=MEMORY; PRAGMA journal_mode=TRUNCATE;"
                    "PRAGMA synchronous=FULL;");
    }

    bool exec(const char *sql)
    {
        const int rc = sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr);
        return rc == SQLITE_OK || fail(rc);
    }

    struct StatementDone
    {
        void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
    };
    using Statement = std::unique_ptr<sqlite3_stmt, StatementDone>;

    Statement prepare(const char *sql)
    {
        sqlite3_stmt *s = nullptr;
        const int rc = sqlite3_prepare_v2(m_db.get(), sql, -1, &s, nullptr);
        if (rc != SQLITE_OK)
            fail(rc);
        return Statement(s);
    }

    // SQLITE_ROW, SQLITE_DONE, or a failure kept.
    int step(sqlite3_stmt *s)
    {
        const int rc = s ? sqlite3_step(s) : SQLITE_MISUSE;
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            fail(rc);
        return rc;
    }

    int intValue(const char *sql)
    {
        Statement s = prepare(sql);
        return step(s.get()) == SQLITE_ROW ? sqlite3_column_int(s.get(), 0) : -1;
    }

    // The schema is there and of this version; made when the file is new and
    // writing is allowed. A new file is an empty one, as OwnFile makes it.
    bool schema(bool make)
    {
        if (!ok())
            return false;
        if (quickCheck() != "ok")
            return fail(SQLITE_CORRUPT);
        const int version = intValue("PRAGMA user_version");
        const int tables = intValue("SELECT count(*) FROM sqlite_schema");
        if (!ok())
            return false;
        if (version > HistoryStore::schemaVersion)
            return told(HistoryProblem::Cause::Newer);
        if (version >= firstVersion) {
            if (!onlyHerTable())
                return told(HistoryProblem::Cause::Foreign);
            const QByteArray counted = "SELECT count(*) FROM (SELECT 1 FROM period_start LIMIT "
                + QByteArray::number(HistoryStore::maxDates + 1) + ")";
            if (intValue(counted.constData()) > HistoryStore::maxDates)
                return told(HistoryProblem::Cause::TooLarge);
            dropStaleTail();
            // An older file reads as it is; it is brought up to date only
            // where it may be written.
            if (version < HistoryStore::schemaVersion && make)
                return migrate();
            return ok();
        }
        if (tables != 0)
            return told(HistoryProblem::Cause::Foreign);
        if (!make) {
            m_empty = true;
            return true;
        }
        // auto_vacuum before the first table: a page freed by a deletion is
        // cut off the file in the same commit, so an erase killed before its
        // VACUUM leaves nothing of hers in free pages.
        const QByteArray made = QByteArrayLiteral("PRAGMA auto_vacuum = FULL; BEGIN IMMEDIATE;") + periodStartSql
            + "; PRAGMA user_version = 2; COMMIT;";
        return exec(made.constData()) || rollback();
    }

    // Version 1 filed each row under its own spelling of the key: filed
    // again under the one key, in one transaction. Rows of a name that trims
    // to nothing could never be shown or erased: they go.
    bool migrate()
    {
        if (!begin())
            return false;
        {
            Statement rows = prepare("SELECT name_key, name, start FROM period_start");
            Statement refile = prepare("INSERT OR IGNORE INTO period_start (name_key, name, start, typed_length) "
                                       "SELECT ?1, name, start, typed_length FROM period_start "
                                       "WHERE name_key = ?2 AND start = ?3");
            Statement drop = prepare("DELETE FROM period_start WHERE name_key = ?1 AND start = ?2");
            struct Row { QString key, name, start; };
            QList<Row> all;
            while (step(rows.get()) == SQLITE_ROW)
                all.append({columnText(rows.get(), 0), columnText(rows.get(), 1), columnText(rows.get(), 2)});
            for (const Row &row : all) {
                const QString key = NameKey::of(row.name);
                if (key == row.key || !ok())
                    continue;
                if (!key.isEmpty()) {
                    bind(refile.get(), {key, row.key, row.start});
                    step(refile.get());
                }
                bind(drop.get(), {row.key, row.start});
                step(drop.get());
            }
        }
        exec("DELETE FROM period_start WHERE name_key = ''; PRAGMA user_version = 2;");
        return (ok() && commit()) || rollback();
    }

    bool empty() const { return m_empty; }

    // The schema is exactly her one table, as this program wrote it.
    bool onlyHerTable()
    {
        Statement s = prepare("SELECT type, name, tbl_name, sql FROM sqlite_schema");
        int rows = 0;
        bool hers = true;
        while (step(s.get()) == SQLITE_ROW) {
            ++rows;
            hers = hers && columnText(s.get(), 0) == u"table" && columnText(s.get(), 1) == u"period_start"
                && columnText(s.get(), 2) == u"period_start" && columnText(s.get(), 3) == QLatin1String(periodStartSql);
        }
        return ok() && rows == 1 && hers;
    }

    static QString columnText(sqlite3_stmt *s, int column)
    {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, column)));
    }

    static void bind(sqlite3_stmt *s, std::initializer_list<QString> texts)
    {
        sqlite3_reset(s);
        int index = 0;
        for (const QString &text : texts) {
            const QByteArray bytes = text.toUtf8();
            sqlite3_bind_text(s, ++index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        }
    }

    bool begin() { return exec("BEGIN IMMEDIATE"); }
    bool commit() { return exec("COMMIT") || rollback(); }
    bool rollback()
    {
        if (m_db && !sqlite3_get_autocommit(m_db.get()))
            sqlite3_exec(m_db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }

    bool ok() const { return m_problem.ok(); }
    const HistoryProblem &problem() const { return m_problem; }
    bool told(HistoryProblem::Cause cause)
    {
        if (m_problem.ok())
            m_problem = {cause, m_path, {}, 0};
        return false;
    }

    bool fail(int rc)
    {
        if (!m_problem.ok())
            return false;
        const int system = m_db ? sqlite3_system_errno(m_db.get()) : 0;
        switch (rc & 0xff) {
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            return told(HistoryProblem::Cause::Damaged);
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return told(HistoryProblem::Cause::Locked);
        case SQLITE_FULL:
            m_problem = {HistoryProblem::Cause::File, m_path, FileProblem{FileProblem::Cause::NoSpace, m_path, {}, false}, rc};
            return false;
        case SQLITE_READONLY:
        case SQLITE_CANTOPEN:
        case SQLITE_IOERR:
        case SQLITE_PERM:
            if (rc == SQLITE_CANTOPEN_SYMLINK) {
                m_problem = {HistoryProblem::Cause::File, m_path, FileProblem{FileProblem::Cause::LinkedFile, m_path, {}, false}, rc};
                return false;
            }
            if (system != 0) {
                m_problem = {HistoryProblem::Cause::File, m_path, problemFromSystemError(system, m_path), rc};
                return false;
            }
            if ((rc & 0xff) == SQLITE_READONLY) {
                m_problem = {HistoryProblem::Cause::File, m_path, FileProblem{FileProblem::Cause::NoPermission, m_path, {}, false}, rc};
                return false;
            }
            break;
        default:
            break;
        }
        m_problem = {HistoryProblem::Cause::Other, m_path, {}, rc};
        return false;
    }

private:
    // A change killed between its commit and cutting the file short leaves
    // the old pages past the database's end, her erased dates among them:
    // rebuilt now, not at some later change. A failure here changes nothing.
    void dropStaleTail()
    {
        const qint64 used = qint64(intValue("PRAGMA page_count")) * intValue("PRAGMA page_size");
        if (ok() && used > 0 && QFileInfo(m_path).size() > used)
            sqlite3_exec(m_db.get(), "VACUUM", nullptr, nullptr, nullptr);
    }

    QByteArray quickCheck()
    {
        Statement s = prepare("PRAGMA quick_check(1)");
        if (step(s.get()) != SQLITE_ROW)
            return {};
        return reinterpret_cast<const char *>(sqlite3_column_text(s.get(), 0));
    }

    struct Close
    {
        void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
    };
    QString m_path;
    std::unique_ptr<sqlite3, Close> m_db;
    HistoryProblem m_problem;
    bool m_empty = false;
};

HistoryProblem fileProblem(const FileProblem &file, const QString &path)
{
    return {HistoryProblem::Cause::File, path, file, 0};
}

void bindText(sqlite3_stmt *s, int index, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    sqlite3_bind_text(s, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
}

enum class Need { Existing, Writable };

// Checked as her other files are, with its journal, then opened by SQLite; the check's handle
// is closed first, since closing any handle of a file drops the locks
// SQLite holds on it through another.
// No connection and no problem: there is no history yet.
std::unique_ptr<Connection> connect(const QString &folderPath, const QString &path, Need need, HistoryProblem &problem)
{
    {
        const OpenFolder folder(folderPath, need == Need::Writable ? OpenFolder::Use::Write : OpenFolder::Use::Read);
        if (!folder.isOpen()) {
            if (!folder.missing())
                problem = fileProblem(folder.problemFor(path), path);
            return nullptr;
        }
        OwnFile file(path, need == Need::Writable ? OwnFile::Access::Write : OwnFile::Access::Read);
        if (!file.isOpen()) {
            if (!file.missing())
                problem = fileProblem(file.problem(), path);
            return nullptr;
        }
        // Far larger than any history of hers: not read, not written.
        if (file.size() > HistoryStore::maxBytes) {
            problem = {HistoryProblem::Cause::TooLarge, path, {}, 0};
            return nullptr;
        }
        // The journal holds her pages while a change is made. Made here, hers
        // alone like the database, and kept (truncated, not deleted) between
        // changes: SQLite would make it with the folder's default rights on
        // Windows. One found must be hers too.
        const QString journalPath = path + QStringLiteral("-journal");
        const OwnFile journal(journalPath, need == Need::Writable ? OwnFile::Access::Write : OwnFile::Access::Read);
        if (!journal.isOpen() && !journal.missing()) {
            problem = fileProblem(journal.problem(), journalPath);
            return nullptr;
        }
    }
    auto db = std::make_unique<Connection>(path);
    if (!db->open() || !db->schema(need == Need::Writable)) {
        problem = db->problem();
        return nullptr;
    }
    return db;
}

} // namespace

HistoryStore::HistoryStore(QString folder) : m_folder(std::move(folder)) {}

QString HistoryStore::path() const
{
    return m_folder + u'/' + fileName;
}

HistoryStore::Starts HistoryStore::starts(const QString &name) const
{
    Starts told;
    auto db = connect(m_folder, path(), Need::Existing, told.problem);
    if (!db || db->empty())
        return told;
    auto s = db->prepare("SELECT start FROM period_start WHERE name_key = ?1 ORDER BY start");
    if (s)
        bindText(s.get(), 1, NameKey::of(name));
    while (db->step(s.get()) == SQLITE_ROW) {
        const auto text = reinterpret_cast<const char *>(sqlite3_column_text(s.get(), 0));
        const QDate start = QDate::fromString(QString::fromUtf8(text), QString::fromLatin1(dateFormat));
        if (start.isValid())
            told.starts.append(start);
    }
    if (!db->ok()) {
        told.problem = db->problem();
        told.starts.clear();
    }
    return told;
}

namespace {

// Dates of hers, each kept or left as it was; its typed length updated when given.
class Inserter
{
public:
    explicit Inserter(Connection &db)
        : m_db(db),
          m_statement(db.prepare("INSERT INTO period_start (name_key, name, start, typed_length) VALUES (?1, ?2, ?3, ?4)"
                                 " ON CONFLICT (name_key, start) DO UPDATE SET typed_length ="
                                 " coalesce(excluded.typed_length, typed_length)"))
    {
    }

    bool insert(const QString &name, const QDate &start, int typedLength)
    {
        sqlite3_stmt *s = m_statement.get();
        if (!s)
            return false;
        sqlite3_reset(s);
        bindText(s, 1, NameKey::of(name));
        bindText(s, 2, DateText::trimBlanks(name.left(UserRecord::nomeWidth)));
        bindText(s, 3, start.toString(QString::fromLatin1(dateFormat)));
        if (typedLength > 0)
            sqlite3_bind_int(s, 4, typedLength);
        else
            sqlite3_bind_null(s, 4);
        return m_db.step(s) == SQLITE_DONE;
    }

private:
    Connection &m_db;
    Connection::Statement m_statement;
};

int countFor(Connection &db, const QString &key)
{
    auto s = db.prepare("SELECT count(*) FROM period_start WHERE name_key = ?1");
    if (!s)
        return -1;
    bindText(s.get(), 1, key);
    return db.step(s.get()) == SQLITE_ROW ? sqlite3_column_int(s.get(), 0) : -1;
}

} // namespace

HistoryProblem HistoryStore::recordConsultation(const QString &name, const QDate &typed, int typedLength,
                                                const QDate &stored, int storedLength) const
{
    // No window could ever show or erase dates filed under no name.
    if (NameKey::of(name).isEmpty())
        return {};
    HistoryProblem problem;
    auto db = connect(m_folder, path(), Need::Writable, problem);
    if (!db)
        return problem;
    if (!db->begin())
        return db->problem();
    const bool first = countFor(*db, NameKey::of(name)) == 0;
    Inserter dates(*db);
    if (first && stored.isValid() && stored != typed)
        dates.insert(name, stored, storedLength);
    dates.insert(name, typed, typedLength);
    if (!db->ok() || !db->commit()) {
        db->rollback();
        return db->problem();
    }
    return {};
}

HistoryStore::Added HistoryStore::add(const QString &name, const QList<QDate> &starts) const
{
    Added told;
    auto db = connect(m_folder, path(), Need::Writable, told.problem);
    if (!db)
        return told;
    if (!db->begin()) {
        told.problem = db->problem();
        return told;
    }
    const int before = countFor(*db, NameKey::of(name));
    {
        Inserter dates(*db);
        for (const QDate &start : starts) {
            if (!dates.insert(name, start, 0))
                break;
        }
    }
    const int after = countFor(*db, NameKey::of(name));
    if (!db->ok() || !db->commit()) {
        db->rollback();
        told.problem = db->problem();
        return told;
    }
    told.added = after - before;
    return told;
}

HistoryProblem HistoryStore::remove(const QString &name, const QDate &start) const
{
    HistoryProblem problem;
    auto db = connect(m_folder, path(), Need::Writable, problem);
    if (!db)
        return problem;
    auto s = db->prepare("DELETE FROM period_start WHERE name_key = ?1 AND start = ?2");
    if (s) {
        bindText(s.get(), 1, NameKey::of(name));
        bindText(s.get(), 2, start.toString(QString::fromLatin1(dateFormat)));
        db->step(s.get());
    }
    return db->problem();
}

HistoryProblem HistoryStore::erase(const QString &name) const
{
    HistoryProblem problem;
    auto db = connect(m_folder, path(), Need::Writable, problem);
    if (!db)
        return problem;
    auto s = db->prepare("DELETE FROM period_start WHERE name_key = ?1");
    if (s) {
        bindText(s.get(), 1, NameKey::of(name));
        db->step(s.get());
    }
    s.reset();
    // secure_delete zeroes the freed cells; VACUUM rewrites the file without
    // the freed pages, so nothing of hers is left in it.
    if (db->ok())
        db->exec("VACUUM");
    return db->problem();
}
