#include "UserRecordsFile.h"

#include "DateText.h"
#include "FileLock.h"
#include "OwnFile.h"

#include <algorithm>

namespace {

// Read a piece at a time, so even the largest file accepted is never held whole.
constexpr qint64 recordsPerPiece = 4096;

// Hands every complete record to `each`, in file order; false (and the
// cause) when the file is larger than any of hers or cannot be read.
bool forEachRecord(OwnFile &file, const std::function<void(qint64 number, const char *record)> &each)
{
    const qint64 size = file.size();
    if (size < 0)
        return false;
    if (size > UserRecordsFile::maxRecords * UserRecord::size)
        return file.refuseAsTooLarge();
    const qint64 complete = size / UserRecord::size;
    QByteArray piece;
    for (qint64 first = 0; first < complete; first += recordsPerPiece) {
        const qint64 count = std::min(recordsPerPiece, complete - first);
        if (!file.readAt(first * UserRecord::size, count * UserRecord::size, piece))
            return false;
        // A file cut shorter meanwhile ends at its last complete record.
        const qint64 got = piece.size() / UserRecord::size;
        for (qint64 n = 0; n < got; ++n)
            each(first + n, piece.constData() + n * UserRecord::size);
        if (got < count)
            break;
    }
    return true;
}

struct Scan
{
    QList<qint64> matches; // record numbers from 0
    qint64 complete = 0;   // complete records in the file
};

bool scan(OwnFile &file, const QString &name, Scan &result)
{
    return forEachRecord(file, [&](qint64 number, const char *record) {
        result.complete = number + 1;
        if (UserRecord::decode(record).matches(name))
            result.matches.append(number);
    });
}

bool writeRecord(OwnFile &file, qint64 number, const QByteArray &bytes)
{
    return file.writeAt(number * UserRecord::size, bytes);
}

// Every record under a shared lock; a file that is not there holds no
// records, and is made empty when it can be.
bool readRecords(const QString &path, const std::function<void(qint64 number, const char *record)> &each,
                 FileProblem &problem)
{
    OwnFile file(path, OwnFile::Access::Read);
    if (file.missing()) {
        OwnFile(path, OwnFile::Access::Write);
        return true;
    }
    if (!file.isOpen()) {
        problem = file.problem();
        return false;
    }
    const FileLock lock(file, FileLock::Kind::Shared);
    if (!forEachRecord(file, each)) {
        problem = file.problem();
        return false;
    }
    return true;
}

UserRecordsFile::SaveResult failure(const OwnFile &file)
{
    return {UserRecordsFile::SaveStatus::Failed, file.problem()};
}

} // namespace

UserRecordsFile::UserRecordsFile(QString path, FileSync sync)
    : m_path(std::move(path))
    , m_sync(std::move(sync))
{
}

QString UserRecordsFile::inFolder(const QString &folder)
{
    return folder + QStringLiteral("/quintrela.dat");
}

UserRecordsFile::ReadResult UserRecordsFile::readAll() const
{
    ReadResult result;
    result.ok = readRecords(
        m_path, [&](qint64, const char *record) { result.records.append(UserRecord::decode(record)); }, result.problem);
    if (!result.ok)
        result.records.clear();
    return result;
}

UserRecordsFile::NamesResult UserRecordsFile::readNames() const
{
    NamesResult result;
    result.ok = readRecords(
        m_path, [&](qint64, const char *record) { result.names.append(DateText::trimBlanks(UserRecord::decodeName(record))); },
        result.problem);
    if (!result.ok)
        result.names.clear();
    return result;
}

QList<UserRecord> UserRecordsFile::records(QByteArrayView bytes)
{
    const qint64 complete = bytes.size() / UserRecord::size;
    QList<UserRecord> list;
    list.reserve(complete);
    for (qint64 n = 0; n < complete; ++n)
        list.append(UserRecord::decode(bytes.constData() + n * UserRecord::size));
    return list;
}

UserRecordsFile::SaveResult UserRecordsFile::SaveUserRecord(const QString &name, const QString &date,
                                                            const QString &cycleLength,
                                                            const std::function<bool()> &askToAdd) const
{
    const QByteArray record = UserRecord{name, cycleLength, date}.encode();
    // Rewrites every record of the name under the lock; appends when `append`
    // and there was none. Returns how it went.
    auto scanAndWrite = [&](bool append, SaveStatus &status) -> SaveResult {
        OwnFile file(m_path, OwnFile::Access::Write);
        if (!file.isOpen())
            return failure(file);
        const FileLock lock(file, FileLock::Kind::Exclusive);
        Scan found;
        if (!scan(file, name, found))
            return failure(file);
        for (qint64 n : found.matches) {
            if (!writeRecord(file, n, record))
                return failure(file);
        }
        // After the last complete record: an incomplete tail is overwritten.
        // A full disk must not leave half a record behind.
        if (found.matches.isEmpty() && append && !writeRecord(file, found.complete, record)) {
            const SaveResult failed = failure(file);
            file.resize(found.complete * UserRecord::size);
            return failed;
        }
        const bool wrote = !found.matches.isEmpty() || append;
        if (FileProblem problem; wrote && !m_sync(file.handle(), &problem)) {
            problem.path = m_path;
            return {SaveStatus::Failed, problem};
        }
        status = !found.matches.isEmpty() ? SaveStatus::Updated : append ? SaveStatus::Added : SaveStatus::NotAdded;
        return {status, {}};
    };

    SaveStatus status = SaveStatus::Failed;
    SaveResult result = scanAndWrite(false, status);
    if (result.status != SaveStatus::NotAdded)
        return result;
    if (!askToAdd || !askToAdd())
        return {SaveStatus::NotAdded, {}};
    // Another copy may have added the name while the question was open.
    return scanAndWrite(true, status);
}

UserRecordsFile::Removed UserRecordsFile::remove(const QString &name) const
{
    // A file that is not there holds no record of hers, and is not made.
    if (OwnFile(m_path, OwnFile::Access::Read).missing())
        return {};
    OwnFile file(m_path, OwnFile::Access::Write);
    if (!file.isOpen())
        return {false, file.problem(), 0};
    const FileLock lock(file, FileLock::Kind::Exclusive);
    Removed result;
    QByteArray kept;
    qint64 firstOfHers = -1;
    if (!forEachRecord(file, [&](qint64 number, const char *record) {
            if (!UserRecord::decode(record).matches(name)) {
                kept.append(record, UserRecord::size);
                return;
            }
            ++result.removed;
            if (firstOfHers < 0)
                firstOfHers = number;
        }))
        return {false, file.problem(), 0};
    if (result.removed == 0)
        return result;
    // Written over her first record onward, then cut: each write only moves
    // others' records up, so a kill leaves at worst one of them twice.
    const qint64 from = firstOfHers * UserRecord::size;
    if (!file.writeAt(from, QByteArrayView(kept).sliced(from)) || !file.resize(kept.size()))
        return {false, file.problem(), 0};
    if (FileProblem problem; !m_sync(file.handle(), &problem)) {
        problem.path = m_path;
        return {false, problem, 0};
    }
    return result;
}
