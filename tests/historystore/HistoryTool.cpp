// Adds dates (yyyy-mm-dd) to a name's history in a folder, then prints all
// of them, oldest first (with --count, only how many: for timing). Built for
// both systems, so that each reads the database the other wrote.

#include "HistoryStore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const bool count = arguments.size() > 1 && arguments[1] == QLatin1String("--count");
    if (count)
        arguments.removeAt(1);
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: history_tool [--count] FOLDER NAME [DATE...]\n");
        return 2;
    }
    const HistoryStore store(arguments[1]);
    QList<QDate> dates;
    for (const QString &text : arguments.mid(3))
        dates.append(QDate::fromString(text, Qt::ISODate));
    if (!dates.isEmpty()) {
        if (const HistoryStore::Added added = store.add(arguments[2], dates); added.problem) {
            std::fprintf(stderr, "%s\n", added.problem.sentence().toUtf8().constData());
            return 1;
        }
    }
    const HistoryStore::Starts read = store.starts(arguments[2]);
    if (read.problem) {
        std::fprintf(stderr, "%s\n", read.problem.sentence().toUtf8().constData());
        return 1;
    }
    if (count) {
        std::printf("%lld\n", qint64(read.starts.size()));
        return 0;
    }
    for (const QDate &date : read.starts)
        std::printf("%s\n", date.toString(Qt::ISODate).toUtf8().constData());
    return 0;
}
