#include "UserRecordsFile.h"

#include "DateText.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Holds an advisory lock on an open file for one scan-and-write.
class FileLock
{
public:
    FileLock(QFile &file, int operation)
    {
        int rc;
        do {
            rc = ::flock(file.handle(), operation);
        } while (rc != 0 && errno == EINTR);
        m_fd = rc == 0 ? file.handle() : -1;
    }
    ~FileLock()
    {
        if (m_fd >= 0)
            ::flock(m_fd, LOCK_UN);
    }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

private:
    int m_fd = -1;
};

bool openForWriting(QFile &file)
{
    // Health data: a new file is for its owner's eyes only. Unbuffered, so a
    // write that failed is not tried again behind our back at close.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered, ownerOnly))
        return false;
    // A file made before (or by hand) with wider rights is narrowed.
    struct stat info {};
    if (::fstat(file.handle(), &info) == 0 && info.st_uid == ::geteuid() && (info.st_mode & 077) != 0)
        ::fchmod(file.handle(), info.st_mode & 0700);
    return true;
}

struct Scan
{
    QList<qint64> matches; // record numbers from 0
    qint64 complete = 0;   // complete records in the file
};

bool scan(QFile &file, const QString &name, Scan &result)
{
    if (!file.seek(0))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    result.complete = bytes.size() / UserRecord::size;
    for (qint64 n = 0; n < result.complete; ++n) {
        if (UserRecord::decode(bytes.constData() + n * UserRecord::size).matches(name))
            result.matches.append(n);
    }
    return true;
}

bool writeRecord(QFile &file, qint64 number, const QByteArray &bytes)
{
    return file.seek(number * UserRecord::size) && file.write(bytes) == bytes.size();
}

// The whole file under a shared lock; a file that is not there and cannot be
// made holds no records.
bool readWhole(const QString &path, QByteArray &bytes, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite, ownerOnly) && !file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(path))
            return true;
        error = file.errorString();
        return false;
    }
    const FileLock lock(file, LOCK_SH);
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    return true;
}

UserRecordsFile::SaveResult failure(const QFile &file)
{
    return {UserRecordsFile::SaveStatus::Failed, file.errorString()};
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
    result.ok = readWhole(m_path, bytes, result.error);
    result.records = records(bytes);
    return result;
}

UserRecordsFile::NamesResult UserRecordsFile::readNames() const
{
    NamesResult result;
    QByteArray bytes;
    result.ok = readWhole(m_path, bytes, result.error);
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
        QFile file(m_path);
        if (!openForWriting(file))
            return failure(file);
        const FileLock lock(file, LOCK_EX);
        Scan found;
        if (!scan(file, name, found))
            return failure(file);
        for (qint64 n : found.matches) {
            if (!writeRecord(file, n, record))
                return failure(file);
        }
        if (found.matches.isEmpty() && append) {
            // After the last complete record: an incomplete tail is overwritten.
            // A full disk must not leave half a record behind.
            if (!writeRecord(file, found.complete, record) || !file.flush()) {
                const SaveResult failed = failure(file);
                file.unsetError();
                file.resize(found.complete * UserRecord::size);
                return failed;
            }
        }
        if (!file.flush())
            return failure(file);
        const bool wrote = !found.matches.isEmpty() || append;
        if (QString error; wrote && !m_sync(file.handle(), &error))
            return {SaveStatus::Failed, error};
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
