#include "UserRecordsFile.h"

#include "DateText.h"
#include "FileLock.h"
#include "OwnFile.h"
#include "OwnFolder.h"

#include <QFileInfo>

namespace {

struct Scan
{
    QList<qint64> matches; // record numbers from 0
    qint64 complete = 0;   // complete records in the file
};

bool scan(OwnFile &file, const QString &name, Scan &result)
{
    QByteArray bytes;
    if (!file.readAll(bytes))
        return false;
    result.complete = bytes.size() / UserRecord::size;
    for (qint64 n = 0; n < result.complete; ++n) {
        if (UserRecord::decode(bytes.constData() + n * UserRecord::size).matches(name))
            result.matches.append(n);
    }
    return true;
}

bool writeRecord(OwnFile &file, qint64 number, const QByteArray &bytes)
{
    return file.writeAt(number * UserRecord::size, bytes);
}

// The whole file under a shared lock; a file that is not there holds no
// records, and is made empty when it can be.
bool readWhole(const QString &path, QByteArray &bytes, FileProblem &problem)
{
    OwnFile file(path, OwnFile::Access::Read);
    if (file.missing()) {
        if (OwnFolder::prepare(QFileInfo(path).path()).ok())
            OwnFile(path, OwnFile::Access::Write);
        return true;
    }
    if (!file.isOpen()) {
        problem = file.problem();
        return false;
    }
    const FileLock lock(file, FileLock::Kind::Shared);
    if (!file.readAll(bytes)) {
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
    QByteArray bytes;
    result.ok = readWhole(m_path, bytes, result.problem);
    result.records = records(bytes);
    return result;
}

UserRecordsFile::NamesResult UserRecordsFile::readNames() const
{
    NamesResult result;
    QByteArray bytes;
    result.ok = readWhole(m_path, bytes, result.problem);
    const qint64 complete = bytes.size() / UserRecord::size;
    result.names.reserve(complete);
    for (qint64 n = 0; n < complete; ++n)
        result.names.append(DateText::trimBlanks(UserRecord::decodeName(bytes.constData() + n * UserRecord::size)));
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
        if (FileProblem folder = OwnFolder::prepare(QFileInfo(m_path).path()))
            return {SaveStatus::Failed, folder};
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
