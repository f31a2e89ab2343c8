// Opens a name's protected history in a folder by its passphrase (or, with
// --new, makes one), adds dates (yyyy-mm-dd) and choices (key:value), keeps
// her reminder as opening it (or choosing one) in the program does, then
// prints all her dates, oldest first. Built for both systems, so that each
// opens what the other sealed, with the limits the program ships with.

#include "ProtectedHistories.h"
#include "ProtectedReminders.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const bool make = arguments.size() > 1 && arguments[1] == QLatin1String("--new");
    if (make)
        arguments.removeAt(1);
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: protection_tool [--new] FOLDER NAME PASSPHRASE [DATE...]\n");
        return 2;
    }
    const QString folder = arguments[1], name = arguments[2], passphrase = arguments[3];
    const ProtectedHistories histories(folder);
    const ProtectedHistories::Opened opened = make ? histories.create(name, passphrase) : histories.open(name, passphrase);
    if (!opened.ok()) {
        std::fprintf(stderr, "%s\n", opened.problem.sentence().toUtf8().constData());
        return 1;
    }
    QList<QDate> dates;
    QList<std::pair<QString, QString>> choices;
    for (const QString &text : arguments.mid(4)) {
        if (const qsizetype colon = text.indexOf(u':'); colon > 0)
            choices.append({text.left(colon), text.mid(colon + 1)});
        else
            dates.append(QDate::fromString(text, Qt::ISODate));
    }
    const HistoryStore store = opened.store(folder);
    if (const HistoryStore::Added added = store.add(name, dates); added.problem) {
        std::fprintf(stderr, "%s\n", added.problem.sentence().toUtf8().constData());
        return 1;
    }
    for (const auto &[key, value] : choices) {
        if (const HistoryProblem problem = store.setPreference(name, key, value)) {
            std::fprintf(stderr, "%s\n", problem.sentence().toUtf8().constData());
            return 1;
        }
    }
    if (const HistoryProblem problem =
            ProtectedReminders(folder).keep(opened.file, store, name, QDate::currentDate(), !choices.isEmpty()).problem) {
        std::fprintf(stderr, "%s\n", problem.sentence().toUtf8().constData());
        return 1;
    }
    const HistoryStore::Starts read = store.starts(name);
    if (read.problem) {
        std::fprintf(stderr, "%s\n", read.problem.sentence().toUtf8().constData());
        return 1;
    }
    for (const QDate &date : read.starts)
        std::printf("%s\n", date.toString(Qt::ISODate).toUtf8().constData());
    return 0;
}
