#include "SettingsFile.h"

#include "FileLock.h"
#include "OwnFile.h"

namespace {

qint16 decode(const QByteArray &bytes)
{
    const auto lo = bytes.size() > 0 ? static_cast<quint8>(bytes[0]) : 0;
    const auto hi = bytes.size() > 1 ? static_cast<quint8>(bytes[1]) : 0;
    return static_cast<qint16>(static_cast<quint16>(lo | (hi << 8)));
}

QByteArray encode(qint16 value)
{
    const auto u = static_cast<quint16>(value);
    const char bytes[2] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    return QByteArray(bytes, 2);
}

} // namespace

SettingsFile::SettingsFile(QString path, FileSync sync)
    : m_path(std::move(path))
    , m_sync(std::move(sync))
{
}

QString SettingsFile::inFolder(const QString &folder)
{
    return folder + QStringLiteral("/qtrconf.dat");
}

SettingsFile::ReadResult SettingsFile::readWithWriteBack() const
{
    ReadResult result;
    FileProblem writable;
    {
        OwnFile file(m_path, OwnFile::Access::Write);
        if (file.isOpen()) {
            // Under the lock a save takes, and written back only when it holds
            // no whole value: a choice saved meanwhile is never undone.
            const FileLock lock(file, FileLock::Kind::Exclusive);
            QByteArray bytes;
            if (!file.readAt(0, 2, bytes)) {
                result.status = Status::Unreadable;
                result.problem = file.problem();
                return result;
            }
            result.value = decode(bytes);
            if (bytes.size() < 2 && !file.writeAt(0, encode(result.value))) {
                result.status = Status::NotWritable;
                result.problem = file.problem();
            }
            return result;
        }
        writable = file.problem();
    }
    // Not writable here: the value may still be readable.
    OwnFile file(m_path, OwnFile::Access::Read);
    QByteArray bytes;
    if (file.missing() || (file.isOpen() && file.readAt(0, 2, bytes))) {
        result.value = decode(bytes);
        result.status = Status::NotWritable;
        result.problem = writable;
        return result;
    }
    result.status = Status::Unreadable;
    result.problem = file.problem();
    return result;
}

bool SettingsFile::write(qint16 value, FileProblem *problem) const
{
    FileProblem failed;
    OwnFile file(m_path, OwnFile::Access::Write);
    if (!file.isOpen()) {
        failed = file.problem();
    } else {
        const FileLock lock(file, FileLock::Kind::Exclusive);
        if (!file.writeAt(0, encode(value)))
            failed = file.problem();
        else if (!m_sync(file.handle(), &failed))
            failed.path = m_path;
    }
    if (problem)
        *problem = failed;
    return failed.ok();
}
