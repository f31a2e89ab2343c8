// Saves `count` consultations under names prefix0, prefix1, ... into the
// records file of a folder, answering yes to every question. Run by the
// tests as a separate program so that several copies can save at once, and
// built for Windows too, to exchange files with the Linux build: "updated"
// expects every name already in the file.

#include "UserRecordsFile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The arguments as the system gave them (UTF-16 on Windows): names may
    // have accents.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4 && !(arguments.size() == 5 && arguments[4] == QLatin1String("updated"))) {
        std::fprintf(stderr, "usage: record_saver FOLDER PREFIX COUNT [updated]\n");
        return 2;
    }
    const UserRecordsFile file(UserRecordsFile::inFolder(arguments[1]));
    const QString prefix = arguments[2];
    const int count = arguments[3].toInt();
    const auto expected = arguments.size() == 5 ? UserRecordsFile::SaveStatus::Updated : UserRecordsFile::SaveStatus::Added;
    for (int i = 0; i < count; ++i) {
        const auto result = file.SaveUserRecord(prefix + QString::number(i), QStringLiteral("01/03/2001"),
                                                QStringLiteral("28"), [] { return true; });
        if (result.status != expected)
            return 1;
        // Said only once the record is in the file: a test may kill us any time.
        std::printf("%s\n", (prefix + QString::number(i)).toUtf8().constData());
        std::fflush(stdout);
    }
    return 0;
}
