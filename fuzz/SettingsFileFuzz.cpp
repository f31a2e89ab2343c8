// Any bytes in qtrconf.dat: the value is the first two bytes, and reading
// changes nothing but a missing second byte.

#include "SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray before(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = SettingsFile::inFolder(dir.path());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(before) != before.size())
            std::abort();
    }
    const auto read = SettingsFile(path).readWithWriteBack();
    const auto byte = [&](qsizetype i) { return i < before.size() ? quint8(before[i]) : quint8(0); };
    if (read.status != SettingsFile::Status::Ok || read.value != qint16(quint16(byte(0) | byte(1) << 8)))
        std::abort();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray after = file.readAll();
    QByteArray expected = before;
    while (expected.size() < 2)
        expected.append('\0');
    if (after != expected)
        std::abort();
    return 0;
}
