// Saves `count` consultations under names prefix0, prefix1, ... into the
// records file of a folder, answering yes to every question. Run by the
// tests as a separate program so that several copies can save at once.

#include "UserRecordsFile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: record_saver FOLDER PREFIX COUNT\n");
        return 2;
    }
    const UserRecordsFile file(UserRecordsFile::inFolder(QString::fromLocal8Bit(argv[1])));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = QString::fromLocal8Bit(argv[3]).toInt();
    for (int i = 0; i < count; ++i) {
        const auto result = file.SaveUserRecord(prefix + QString::number(i), QStringLiteral("01/03/2001"),
                                                QStringLiteral("28"), [] { return true; });
        if (result.status != UserRecordsFile::SaveStatus::Added)
            return 1;
        // Said only once the record is in the file: a test may kill us any time.
        std::printf("%s\n", qPrintable(prefix + QString::number(i)));
        std::fflush(stdout);
    }
    return 0;
}
