// Any bytes in quintrela.dat: every complete record is read, a save keeps
// every other record as it was and leaves only whole records.

#include "UserRecordsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray before(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = UserRecordsFile::inFolder(dir.path());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(before) != before.size())
            std::abort();
    }
    const UserRecordsFile records(path);
    const auto read = records.readAll();
    const qsizetype complete = before.size() / UserRecord::size;
    if (!read.ok || read.records.size() != complete)
        std::abort();

    const QString name = QStringLiteral("Fuzz Ção");
    const auto saved = records.SaveUserRecord(name, QStringLiteral("01/03/2001"), QStringLiteral("28"), [] { return true; });
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray after = file.readAll();
    const QByteArray mine = UserRecord{name, QStringLiteral("28"), QStringLiteral("01/03/2001")}.encode();
    for (qsizetype n = 0; n < complete; ++n) {
        const QByteArray old = before.mid(n * UserRecord::size, UserRecord::size);
        const QByteArray now = after.mid(n * UserRecord::size, UserRecord::size);
        const bool matched = read.records[n].matches(name);
        if (now != (matched ? mine : old))
            std::abort();
    }
    if (saved.status == UserRecordsFile::SaveStatus::Added) {
        if (after.size() != (complete + 1) * UserRecord::size || !after.endsWith(mine))
            std::abort();
    } else if (saved.status != UserRecordsFile::SaveStatus::Updated || after.size() != before.size()) {
        std::abort();
    }
    return 0;
}
