#include "SettingsFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

qint16 decode(const QByteArray &bytes)
{
    const auto lo = bytes.size() > 0 ? static_cast<quint8>(bytes[0]) : 0;
    const auto hi = bytes.size() > 1 ? static_cast<quint8>(bytes[1]) : 0;
    return static_cast<qint16>(static_cast<quint16>(lo | (hi << 8)));
}

bool writeAtStart(QFile &file, qint16 value)
{
    const auto u = static_cast<quint16>(value);
    const char bytes[2] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    return file.seek(0) && file.write(bytes, 2) == 2 && file.flush();
}

} // namespace

// Made for its owner only, as the records are.
constexpr auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

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
    QFile file(m_path);
    if (file.open(QIODevice::ReadWrite, ownerOnly)) {
        const QByteArray bytes = file.read(2);
        if (bytes.size() < 2 && !file.atEnd()) {
            result.status = Status::Unreadable;
            result.error = file.errorString();
            return result;
        }
        result.value = decode(bytes);
        if (!writeAtStart(file, result.value)) {
            result.status = Status::NotWritable;
            result.error = file.errorString();
        }
        return result;
    }
    const QString openError = file.errorString();
    // Not writable here: the value may still be readable.
    if (QFileInfo(m_path).isFile() && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(2);
        result.value = decode(bytes);
        result.status = Status::NotWritable;
        result.error = openError;
        return result;
    }
    result.status = QFileInfo::exists(m_path) ? Status::Unreadable : Status::NotWritable;
    result.error = openError;
    return result;
}

bool SettingsFile::write(qint16 value, QString *error) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite, ownerOnly) || !writeAtStart(file, value)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!m_sync(file.handle(), error))
        return false;
    file.close();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
