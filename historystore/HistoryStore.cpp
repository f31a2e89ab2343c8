#include "HistoryStore.h"

#include "DateText.h"
#include "HistoryFile.h"
#include "NameKey.h"
#include "UserRecord.h"

#include <QMap>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
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
// Since version 3: what she wrote of a day, the cycles she does not count,
// and her choices (kept here so that a protected name's stay sealed).
constexpr auto dayNoteSql =
    "CREATE TABLE day_note ("
    " name_key TEXT NOT NULL,"
    " day TEXT NOT NULL CHECK (day GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),"
    " flow INTEGER NOT NULL CHECK (flow BETWEEN 0 AND 4),"
    " pain INTEGER NOT NULL CHECK (pain BETWEEN 0 AND 3),"
    " symptoms TEXT NOT NULL CHECK (length(symptoms) <= 2500),"
    " mood TEXT NOT NULL CHECK (length(mood) <= 100),"
    " note TEXT NOT NULL CHECK (length(note) <= 1000),"
    " PRIMARY KEY (name_key, day)) WITHOUT ROWID";
constexpr auto leftOutSql =
    "CREATE TABLE cycle_left_out ("
    " name_key TEXT NOT NULL,"
    " start TEXT NOT NULL CHECK (start GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'),"
    " reason INTEGER NOT NULL CHECK (reason BETWEEN 1 AND 5),"
    " PRIMARY KEY (name_key, start)) WITHOUT ROWID";
constexpr auto preferenceSql =
    "CREATE TABLE preference ("
    " name_key TEXT NOT NULL,"
    " key TEXT NOT NULL,"
    " value TEXT NOT NULL CHECK (length(value) <= 200),"
    " PRIMARY KEY (name_key, key)) WITHOUT ROWID";
// Her tables by the version that made them, in the order they are made.
struct Table
{
    const char *name;
    const char *sql;
    int since;
};
constexpr Table herTables[] = {
    {"period_start", periodStartSql, 1},
    {"day_note", dayNoteSql, 3},
    {"cycle_left_out", leftOutSql, 3},
    {"preference", preferenceSql, 3},
};
// Every name's rows are found by this key in each table.
constexpr const char *nameTables[] = {"period_start", "day_note", "cycle_left_out", "preference"};

// One open database; every failure is kept as a HistoryProblem.
class Connection
{
public:
    Connection(QString path, const ImageSeal *seal) : m_path(std::move(path)), m_seal(seal) {}
    // A sealed history's pages are overwritten before SQLite frees them.
    ~Connection()
    {
        if (!m_seal || !m_db)
            return;
        sqlite3_int64 size = 0;
        if (unsigned char *pages = sqlite3_serialize(m_db.get(), "main", &size, SQLITE_SERIALIZE_NOCOPY))
            m_seal->wipe(pages, size_t(size));
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Her file's image, whole in memory; an empty one for no history yet.
    bool open(const QByteArray &image)
    {
        sqlite3 *db = nullptr;
        // In memory as one block (memdb), private to this connection.
        const int rc = sqlite3_open_v2("file:historico?vfs=memdb", &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI | SQLITE_OPEN_EXRESCODE,
                                       nullptr);
        m_db.reset(db);
        if (rc != SQLITE_OK)
            return fail(rc);
        // Nothing the file holds runs on its own: no function of the schema
        // is trusted, and no statement may write the schema itself.
        sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        if (!image.isEmpty()) {
            auto *copy = static_cast<unsigned char *>(sqlite3_malloc64(sqlite3_uint64(image.size())));
            if (!copy)
                return fail(SQLITE_NOMEM);
            std::memcpy(copy, image.constData(), size_t(image.size()));
            // Freed by SQLite, even when refused.
            const int loaded = sqlite3_deserialize(db, "main", copy, image.size(), image.size(),
                                                   SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
            if (loaded != SQLITE_OK)
                return fail(loaded);
            m_fileBytes = image.size();
        }
        // Deleted rows are overwritten in the image, and nothing goes to a
        // temporary file.
        return exec("PRAGMA secure_delete=ON; PRAGMA temp_store=MEMORY;");
    }

    // The whole database, as it is to be saved. Rebuilt first when rows went
    // or the file held more than its pages: nothing of what went is left.
    QByteArray image()
    {
        if (m_rebuild || intValue("PRAGMA freelist_count") != 0
            || qint64(intValue("PRAGMA page_count")) * intValue("PRAGMA page_size") != m_fileBytes)
            exec("VACUUM");
        if (!ok())
            return {};
        // The image is one block in memory (memdb): copied once, never freed here.
        sqlite3_int64 size = 0;
        const unsigned char *pages = sqlite3_serialize(m_db.get(), "main", &size, SQLITE_SERIALIZE_NOCOPY);
        if (!pages) {
            fail(SQLITE_NOMEM);
            return {};
        }
        return QByteArray(reinterpret_cast<const char *>(pages), qsizetype(size));
    }
    // Rows went: the image is rebuilt before it is saved.
    void rebuild() { m_rebuild = true; }

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
        // A file cut short reads its missing pages as empty ones: told, not read.
        if (quickCheck() != "ok"
            || qint64(intValue("PRAGMA page_count")) * intValue("PRAGMA page_size") > m_fileBytes)
            return fail(SQLITE_CORRUPT);
        const int version = intValue("PRAGMA user_version");
        const int tables = intValue("SELECT count(*) FROM sqlite_schema");
        if (!ok())
            return false;
        if (version > HistoryStore::schemaVersion)
            return told(HistoryProblem::Cause::Newer);
        if (version >= firstVersion) {
            m_version = version;
            if (!onlyHerTables(version))
                return told(HistoryProblem::Cause::Foreign);
            const QByteArray counted = "SELECT count(*) FROM (SELECT 1 FROM period_start LIMIT "
                + QByteArray::number(HistoryStore::maxDates + 1) + ")";
            if (intValue(counted.constData()) > HistoryStore::maxDates)
                return told(HistoryProblem::Cause::TooLarge);
            // An older file reads as it is; it is brought up to date only
            // where it may be written.
            if (version < HistoryStore::schemaVersion && make)
                return migrate(version);
            return ok();
        }
        if (tables != 0)
            return told(HistoryProblem::Cause::Foreign);
        if (!make) {
            m_empty = true;
            return true;
        }
        // auto_vacuum before the first table: a freed page is cut off at once.
        QByteArray made = QByteArrayLiteral("PRAGMA auto_vacuum = FULL; BEGIN IMMEDIATE;");
        for (const Table &table : herTables)
            made += QByteArray(table.sql) + ';';
        made += "PRAGMA user_version = " + QByteArray::number(HistoryStore::schemaVersion) + "; COMMIT;";
        m_version = HistoryStore::schemaVersion;
        return exec(made.constData()) || rollback();
    }

    // Her days, the cycles left out and her choices are kept (version 3 on);
    // an older file read as it is has none.
    bool hasDays() const { return m_version >= 3; }

    // Up to this version in one transaction: every row kept.
    bool migrate(int version)
    {
        if (!begin())
            return false;
        if (version < 2)
            refileKeys();
        for (const Table &table : herTables) {
            if (table.since > version)
                exec(table.sql);
        }
        const QByteArray set = "PRAGMA user_version = " + QByteArray::number(HistoryStore::schemaVersion);
        exec(set.constData());
        m_version = HistoryStore::schemaVersion;
        return (ok() && commit()) || rollback();
    }

    // Version 1 filed each row under its own spelling of the key: filed
    // again under the one key. Rows of a name that trims to nothing could
    // never be shown or erased: they go.
    void refileKeys()
    {
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
        exec("DELETE FROM period_start WHERE name_key = ''");
    }

    bool empty() const { return m_empty; }

    // The schema is exactly her tables of that version, as this program wrote them.
    bool onlyHerTables(int version)
    {
        Statement s = prepare("SELECT type, name, tbl_name, sql FROM sqlite_schema");
        int rows = 0;
        int expected = 0;
        for (const Table &table : herTables)
            expected += table.since <= std::max(version, 2) ? 1 : 0;
        bool hers = true;
        while (step(s.get()) == SQLITE_ROW) {
            ++rows;
            const QString name = columnText(s.get(), 1);
            bool known = false;
            for (const Table &table : herTables) {
                known = known
                    || (table.since <= std::max(version, 2) && name == QLatin1String(table.name)
                        && columnText(s.get(), 0) == u"table" && columnText(s.get(), 2) == name
                        && columnText(s.get(), 3) == QLatin1String(table.sql));
            }
            hers = hers && known;
        }
        return ok() && rows == expected && hers;
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
        switch (rc & 0xff) {
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
        // A file in another journal mode (WAL) is none of this program's.
        case SQLITE_CANTOPEN:
            return told(HistoryProblem::Cause::Damaged);
        default:
            break;
        }
        m_problem = {HistoryProblem::Cause::Other, m_path, {}, rc};
        return false;
    }

private:
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
    bool m_rebuild = false;
    int m_version = 0;
    qint64 m_fileBytes = 0;
    const ImageSeal *m_seal;
};

void bindText(sqlite3_stmt *s, int index, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    sqlite3_bind_text(s, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
}

// Her file, read through her folder's handle and opened in memory; a change
// is made there and saved whole.
class Session
{
public:
    Session(const QString &folder, const QString &file, const ImageSeal *seal, HistoryFile::Use use)
        : m_file(folder, file, use, HistoryStore::maxBytes, seal), m_db(m_file.path(), seal), m_seal(seal)
    {
        m_problem = m_file.problem();
        if (m_problem.ok() && !(m_db.open(m_file.image()) && m_db.schema(use == HistoryFile::Use::Write)))
            m_problem = m_db.problem();
    }

    // No problem and nothing to read: there is no history yet.
    bool ok() const { return m_problem.ok(); }
    bool empty() const { return m_db.empty(); }
    const HistoryProblem &problem() const { return m_problem; }
    Connection &db() { return m_db; }

    // The change committed in memory, then the whole image saved: on any
    // failure nothing of it is kept, and the cause is told.
    HistoryProblem commit()
    {
        if (!m_db.ok() || !m_db.commit()) {
            m_db.rollback();
            return m_db.problem();
        }
        QByteArray image = m_db.image();
        if (!m_db.ok())
            return m_db.problem();
        const HistoryProblem saved = m_file.save(image);
        if (m_seal)
            m_seal->wipe(image);
        return saved;
    }

private:
    HistoryFile m_file;
    Connection m_db;
    const ImageSeal *m_seal;
    HistoryProblem m_problem;
};

} // namespace

HistoryStore::HistoryStore(QString folder) : m_folder(std::move(folder)) {}

HistoryStore::HistoryStore(QString folder, QString file, std::shared_ptr<const ImageSeal> seal)
    : m_folder(std::move(folder)), m_file(std::move(file)), m_seal(std::move(seal))
{
}

QString HistoryStore::path() const
{
    return m_folder + u'/' + m_file;
}

HistoryStore::Starts HistoryStore::starts(const QString &name) const
{
    const Rows read = rows(name);
    Starts told{read.problem, {}};
    told.starts.reserve(read.rows.size());
    for (const Row &row : read.rows)
        told.starts.append(row.start);
    return told;
}

HistoryStore::Rows HistoryStore::rows(const QString &name) const
{
    Rows told;
    Session session(m_folder, m_file, m_seal.get(), HistoryFile::Use::Read);
    if (!session.ok() || session.empty()) {
        told.problem = session.problem();
        return told;
    }
    Connection &db = session.db();
    auto s = db.prepare("SELECT start, coalesce(typed_length, 0) FROM period_start WHERE name_key = ?1 ORDER BY start");
    if (s)
        bindText(s.get(), 1, NameKey::of(name));
    while (db.step(s.get()) == SQLITE_ROW) {
        const QDate start = QDate::fromString(
            QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s.get(), 0))), QString::fromLatin1(dateFormat));
        if (start.isValid())
            told.rows.append({start, sqlite3_column_int(s.get(), 1)});
    }
    if (!db.ok()) {
        told.problem = db.problem();
        told.rows.clear();
    }
    return told;
}

HistoryStore::Consulted HistoryStore::lastConsultation(const QString &name) const
{
    Consulted told;
    Session session(m_folder, m_file, m_seal.get(), HistoryFile::Use::Read);
    if (!session.ok() || session.empty()) {
        told.problem = session.problem();
        return told;
    }
    Connection &db = session.db();
    auto s = db.prepare("SELECT start, typed_length FROM period_start WHERE name_key = ?1 AND typed_length IS NOT NULL"
                        " ORDER BY start DESC LIMIT 1");
    if (s)
        bindText(s.get(), 1, NameKey::of(name));
    if (db.step(s.get()) == SQLITE_ROW) {
        told.start = QDate::fromString(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s.get(), 0))),
                                       QString::fromLatin1(dateFormat));
        told.length = sqlite3_column_int(s.get(), 1);
    }
    told.problem = db.problem();
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


bool has(Connection &db, const QString &name, const QDate &start)
{
    auto s = db.prepare("SELECT 1 FROM period_start WHERE name_key = ?1 AND start = ?2");
    if (!s)
        return false;
    bindText(s.get(), 1, NameKey::of(name));
    bindText(s.get(), 2, start.toString(QString::fromLatin1(dateFormat)));
    return db.step(s.get()) == SQLITE_ROW;
}

} // namespace

HistoryProblem HistoryStore::recordConsultation(const QString &name, const QDate &typed, int typedLength,
                                                const QDate &stored, int storedLength) const
{
    // No window could ever show or erase dates filed under no name.
    if (NameKey::of(name).isEmpty())
        return {};
    Session session(m_folder, m_file, m_seal.get(), HistoryFile::Use::Write);
    if (!session.ok())
        return session.problem();
    Connection &db = session.db();
    if (!db.begin())
        return db.problem();
    {
        Inserter dates(db);
        // The date quintrela.dat held reaches her history whenever it is not
        // there yet: a consultation whose history could not be kept (a full
        // disk) still updated that file.
        if (stored.isValid() && stored != typed && !has(db, name, stored))
            dates.insert(name, stored, storedLength);
        dates.insert(name, typed, typedLength);
    }
    return session.commit();
}

HistoryStore::Added HistoryStore::add(const QString &name, const QList<QDate> &starts) const
{
    Added told;
    Session session(m_folder, m_file, m_seal.get(), HistoryFile::Use::Write);
    if (!session.ok()) {
        told.problem = session.problem();
        return told;
    }
    Connection &db = session.db();
    if (!db.begin()) {
        told.problem = db.problem();
        return told;
    }
    const int before = countFor(db, NameKey::of(name));
    {
        Inserter dates(db);
        for (const QDate &start : starts) {
            if (!dates.insert(name, start, 0))
                break;
        }
    }
    const int after = countFor(db, NameKey::of(name));
    // Never more than the store reads back.
    if (db.ok() && db.intValue("SELECT count(*) FROM period_start") > maxDates) {
        db.rollback();
        told.problem = {HistoryProblem::Cause::TooLarge, path(), {}, 0};
        return told;
    }
    told.problem = session.commit();
    if (told.problem.ok())
        told.added = after - before;
    return told;
}

HistoryProblem HistoryStore::remove(const QString &name, const QDate &start) const
{
    Session session(m_folder, m_file, m_seal.get(), HistoryFile::Use::Write);
    if (!session.ok())
        return session.problem();
    Connection &db = session.db();
    if (!db.begin())
        return db.problem();
    // A start that goes takes its cycle's mark with it; her note of that day stays.
    for (const char *sql : {"DELETE FROM period_start WHERE name_key = ?1 AND start = ?2",
                            "DELETE FROM cycle_left_out WHERE name_key = ?1 AND start = ?2"}) {
        if (!db.hasDays() && std::strstr(sql, "cycle_left_out"))
            continue;
        auto s = db.prepare(sql);
        if (s) {
            bindText(s.get(), 1, NameKey::of(name));
            bindText(s.get(), 2, start.toString(QString::fromLatin1(dateFormat)));
            db.step(s.get());
        }
    }
    db.rebuild();
    return session.commit();
}

HistoryProblem HistoryStore::erase(const QString &name) const
{
    Session session(m_folder, m_file, m_seal.get(), HistoryFile::Use::Write);
    if (!session.ok())
        return session.problem();
    Connection &db = session.db();
    if (!db.begin())
        return db.problem();
    for (const char *table : nameTables) {
        const QByteArray sql = "DELETE FROM " + QByteArray(table) + " WHERE name_key = ?1";
        auto s = db.prepare(sql.constData());
        if (s) {
            bindText(s.get(), 1, NameKey::of(name));
            db.step(s.get());
        }
    }
    // The image is rebuilt without her rows and replaces the file in one
    // step: no page of the new file held them, and the old one is gone whole.
    db.rebuild();
    return session.commit();
}

namespace {

QString dateText(const QDate &date)
{
    return date.toString(QString::fromLatin1(dateFormat));
}

QDate dateColumn(sqlite3_stmt *s, int column)
{
    return QDate::fromString(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, column))),
                             QString::fromLatin1(dateFormat));
}

QString textColumn(sqlite3_stmt *s, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, column)));
}

QList<DayNote> readDays(Connection &db, const QString &key)
{
    QList<DayNote> notes;
    if (!db.hasDays())
        return notes;
    auto s = db.prepare("SELECT day, flow, pain, symptoms, mood, note FROM day_note WHERE name_key = ?1 ORDER BY day");
    if (s)
        bindText(s.get(), 1, key);
    while (db.step(s.get()) == SQLITE_ROW) {
        DayNote note;
        note.day = dateColumn(s.get(), 0);
        note.flow = DayNote::Flow(sqlite3_column_int(s.get(), 1));
        note.pain = DayNote::Pain(sqlite3_column_int(s.get(), 2));
        const QString symptoms = textColumn(s.get(), 3);
        note.symptoms = symptoms.split(u'\n', Qt::SkipEmptyParts);
        note.mood = textColumn(s.get(), 4);
        note.note = textColumn(s.get(), 5);
        if (note.day.isValid())
            notes.append(note);
    }
    return notes;
}

QList<LeftOutCycle> readLeftOut(Connection &db, const QString &key)
{
    QList<LeftOutCycle> cycles;
    if (!db.hasDays())
        return cycles;
    auto s = db.prepare("SELECT start, reason FROM cycle_left_out WHERE name_key = ?1 ORDER BY start");
    if (s)
        bindText(s.get(), 1, key);
    while (db.step(s.get()) == SQLITE_ROW) {
        const QDate start = dateColumn(s.get(), 0);
        if (start.isValid())
            cycles.append({start, LeftOutReason(sqlite3_column_int(s.get(), 1))});
    }
    return cycles;
}

QList<std::pair<QString, QString>> readPreferences(Connection &db, const QString &key)
{
    QList<std::pair<QString, QString>> chosen;
    if (!db.hasDays())
        return chosen;
    auto s = db.prepare("SELECT key, value FROM preference WHERE name_key = ?1 ORDER BY key");
    if (s)
        bindText(s.get(), 1, key);
    while (db.step(s.get()) == SQLITE_ROW)
        chosen.append({textColumn(s.get(), 0), textColumn(s.get(), 1)});
    return chosen;
}

bool writeDay(Connection &db, const QString &key, const DayNote &given)
{
    const DayNote note = given.tidied();
    if (note.isEmpty()) {
        auto s = db.prepare("DELETE FROM day_note WHERE name_key = ?1 AND day = ?2");
        if (s) {
            bindText(s.get(), 1, key);
            bindText(s.get(), 2, dateText(note.day));
        }
        db.rebuild();
        return db.step(s.get()) == SQLITE_DONE;
    }
    auto s = db.prepare("INSERT OR REPLACE INTO day_note (name_key, day, flow, pain, symptoms, mood, note)"
                        " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    if (!s)
        return false;
    bindText(s.get(), 1, key);
    bindText(s.get(), 2, dateText(note.day));
    sqlite3_bind_int(s.get(), 3, int(note.flow));
    sqlite3_bind_int(s.get(), 4, int(note.pain));
    bindText(s.get(), 5, note.symptoms.join(u'\n'));
    bindText(s.get(), 6, note.mood);
    bindText(s.get(), 7, note.note);
    return db.step(s.get()) == SQLITE_DONE;
}

bool writeLeftOut(Connection &db, const QString &key, const QDate &start, std::optional<LeftOutReason> reason)
{
    auto s = db.prepare(reason ? "INSERT OR REPLACE INTO cycle_left_out (name_key, start, reason) VALUES (?1, ?2, ?3)"
                               : "DELETE FROM cycle_left_out WHERE name_key = ?1 AND start = ?2");
    if (!s)
        return false;
    bindText(s.get(), 1, key);
    bindText(s.get(), 2, dateText(start));
    if (reason)
        sqlite3_bind_int(s.get(), 3, int(*reason));
    return db.step(s.get()) == SQLITE_DONE;
}

bool writePreference(Connection &db, const QString &key, const QString &choice, const QString &value)
{
    auto s = db.prepare(value.isEmpty() ? "DELETE FROM preference WHERE name_key = ?1 AND key = ?2"
                                        : "INSERT OR REPLACE INTO preference (name_key, key, value) VALUES (?1, ?2, ?3)");
    if (!s)
        return false;
    bindText(s.get(), 1, key);
    bindText(s.get(), 2, choice);
    if (!value.isEmpty())
        bindText(s.get(), 3, value);
    return db.step(s.get()) == SQLITE_DONE;
}

} // namespace

// One reading of her file, for what the function reads off the connection.
template<typename Told, typename Read>
Told readFrom(const QString &folder, const QString &file, const ImageSeal *seal, Read read)
{
    Told told;
    Session session(folder, file, seal, HistoryFile::Use::Read);
    if (!session.ok() || session.empty()) {
        told.problem = session.problem();
        return told;
    }
    read(session.db(), told);
    if (!session.db().ok())
        told = Told{session.db().problem(), {}};
    return told;
}

// One change of her file, made by the function in a transaction and saved whole.
template<typename Change>
HistoryProblem changeIn(const QString &folder, const QString &file, const ImageSeal *seal, Change change)
{
    Session session(folder, file, seal, HistoryFile::Use::Write);
    if (!session.ok())
        return session.problem();
    Connection &db = session.db();
    if (!db.begin())
        return db.problem();
    change(db);
    return session.commit();
}

HistoryStore::Days HistoryStore::days(const QString &name) const
{
    return readFrom<Days>(m_folder, m_file, m_seal.get(),
                          [&](Connection &db, Days &told) { told.notes = readDays(db, NameKey::of(name)); });
}

HistoryProblem HistoryStore::saveDay(const QString &name, const DayNote &note) const
{
    if (NameKey::of(name).isEmpty() || !note.day.isValid() || note.day.year() < oldestYear)
        return {HistoryProblem::Cause::Other, path(), {}, SQLITE_MISUSE};
    return changeIn(m_folder, m_file, m_seal.get(), [&](Connection &db) { writeDay(db, NameKey::of(name), note); });
}

HistoryStore::LeftOut HistoryStore::leftOut(const QString &name) const
{
    return readFrom<LeftOut>(m_folder, m_file, m_seal.get(),
                             [&](Connection &db, LeftOut &told) { told.cycles = readLeftOut(db, NameKey::of(name)); });
}

HistoryProblem HistoryStore::setLeftOut(const QString &name, const QDate &start,
                                        std::optional<LeftOutReason> reason) const
{
    return changeIn(m_folder, m_file, m_seal.get(), [&](Connection &db) {
        // Only a start of hers can be left out.
        if (has(db, name, start))
            writeLeftOut(db, NameKey::of(name), start, reason);
    });
}

HistoryStore::Preference HistoryStore::preference(const QString &name, const QString &key) const
{
    return readFrom<Preference>(m_folder, m_file, m_seal.get(), [&](Connection &db, Preference &told) {
        for (const auto &[chosen, value] : readPreferences(db, NameKey::of(name))) {
            if (chosen == key)
                told.value = value;
        }
    });
}

HistoryProblem HistoryStore::setPreference(const QString &name, const QString &key, const QString &value) const
{
    return changeIn(m_folder, m_file, m_seal.get(),
                    [&](Connection &db) { writePreference(db, NameKey::of(name), key, value); });
}

HistoryStore::Names HistoryStore::namesChoosing(const QString &key) const
{
    return readFrom<Names>(m_folder, m_file, m_seal.get(), [&](Connection &db, Names &told) {
        if (!db.hasDays())
            return;
        auto s = db.prepare("SELECT MIN(p.name) FROM preference f JOIN period_start p ON p.name_key = f.name_key "
                            "WHERE f.key = ?1 GROUP BY f.name_key ORDER BY 1");
        if (s)
            bindText(s.get(), 1, key);
        while (db.step(s.get()) == SQLITE_ROW)
            told.names.append(textColumn(s.get(), 0));
    });
}

HistoryStore::Unnamed HistoryStore::unnamedChoosing(const QString &key) const
{
    return readFrom<Unnamed>(m_folder, m_file, m_seal.get(), [&](Connection &db, Unnamed &told) {
        if (!db.hasDays())
            return;
        auto s = db.prepare("SELECT name_key, value FROM preference WHERE key = ?1 ORDER BY 1");
        if (s)
            bindText(s.get(), 1, key);
        while (db.step(s.get()) == SQLITE_ROW) {
            const QString id = textColumn(s.get(), 0);
            if (NameKey::of(id) != id)
                told.values.append({id, textColumn(s.get(), 1)});
        }
    });
}

HistoryProblem HistoryStore::setUnnamedChoice(const QString &id, const QString &key, const QString &value) const
{
    if (NameKey::of(id) == id)
        return {HistoryProblem::Cause::Other, path(), {}, SQLITE_MISUSE};
    return changeIn(m_folder, m_file, m_seal.get(), [&](Connection &db) { writePreference(db, id, key, value); });
}

HistoryStore::Whole HistoryStore::everything(const QString &name) const
{
    Whole told = readFrom<Whole>(m_folder, m_file, m_seal.get(), [&](Connection &db, Whole &whole) {
        const QString key = NameKey::of(name);
        whole.everything.days = readDays(db, key);
        whole.everything.leftOut = readLeftOut(db, key);
        whole.everything.preferences = readPreferences(db, key);
    });
    if (!told.problem.ok())
        return told;
    Rows read = rows(name);
    if (!read.problem.ok())
        return {read.problem, {}};
    told.everything.rows = read.rows;
    return told;
}

HistoryProblem HistoryStore::addEverything(const QString &name, const Everything &everything) const
{
    return changeIn(m_folder, m_file, m_seal.get(), [&](Connection &db) {
        const QString key = NameKey::of(name);
        Inserter dates(db);
        for (const Row &row : everything.rows) {
            if (!dates.insert(name, row.start, row.typedLength))
                return;
        }
        for (const DayNote &note : everything.days) {
            if (!writeDay(db, key, note))
                return;
        }
        for (const LeftOutCycle &cycle : everything.leftOut) {
            if (!writeLeftOut(db, key, cycle.start, cycle.reason))
                return;
        }
        for (const auto &[choice, value] : everything.preferences) {
            if (!writePreference(db, key, choice, value))
                return;
        }
    });
}

HistoryStore::Imported HistoryStore::addImported(const QString &name, const QList<QDate> &starts,
                                                 const QList<DayNote> &days, const QList<LeftOutCycle> &leftOut) const
{
    Imported told;
    const QString key = NameKey::of(name);
    bool tooMany = false;
    told.problem = changeIn(m_folder, m_file, m_seal.get(), [&](Connection &db) {
        const int before = countFor(db, key);
        Inserter dates(db);
        for (const QDate &start : starts) {
            if (!dates.insert(name, start, 0))
                return;
        }
        told.starts = countFor(db, key) - before;
        QMap<QDate, DayNote> kept;
        for (const DayNote &note : readDays(db, key))
            kept.insert(note.day, note);
        for (const DayNote &imported : days) {
            DayNote merged = kept.value(imported.day, imported);
            if (kept.contains(imported.day)) {
                if (merged.flow == DayNote::Flow::Nenhum)
                    merged.flow = imported.flow;
                if (merged.pain == DayNote::Pain::Nenhuma)
                    merged.pain = imported.pain;
                merged.symptoms += imported.symptoms;
            }
            merged = merged.tidied();
            if (kept.contains(imported.day) && merged == kept.value(imported.day).tidied())
                continue;
            if (!writeDay(db, key, merged))
                return;
            ++told.days;
        }
        // Her own export's choices come back; one she has changed since stays hers.
        const QList<LeftOutCycle> hers = readLeftOut(db, key);
        for (const LeftOutCycle &cycle : leftOut) {
            const bool known = std::any_of(hers.begin(), hers.end(), [&](const LeftOutCycle &c) { return c.start == cycle.start; });
            if (!known && has(db, name, cycle.start) && !writeLeftOut(db, key, cycle.start, cycle.reason))
                return;
            told.leftOut += known ? 0 : 1;
        }
        // Never more than the store reads back.
        tooMany = db.ok() && db.intValue("SELECT count(*) FROM period_start") > maxDates;
        if (tooMany)
            db.rollback();
    });
    if (tooMany)
        told.problem = {HistoryProblem::Cause::TooLarge, path(), {}, 0};
    if (!told.problem.ok())
        told.starts = told.days = told.leftOut = 0;
    return told;
}
