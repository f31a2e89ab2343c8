// Adds dates (yyyy-mm-dd) to a name's history in a folder, notes of days
// (yyyy-mm-dd=text, kept with a moderate flow) and choices (key:value), then prints all the dates,
// oldest first, and each note as "yyyy-mm-dd: its words" (with --count, only
// how many dates: for timing). Built for both systems, so that each reads the
// database the other wrote.

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
    QList<DayNote> notes;
    QList<std::pair<QString, QString>> choices;
    for (const QString &text : arguments.mid(3)) {
        if (const qsizetype colon = text.indexOf(u':'); colon > 0 && !text[0].isDigit())
            choices.append({text.left(colon), text.mid(colon + 1)});
        else if (const qsizetype equals = text.indexOf(u'='); equals > 0)
            notes.append({QDate::fromString(text.left(equals), Qt::ISODate), DayNote::Flow::Moderado,
                          DayNote::Pain::Nenhuma, {}, {}, text.mid(equals + 1)});
        else
            dates.append(QDate::fromString(text, Qt::ISODate));
    }
    for (const DayNote &note : notes) {
        if (const HistoryProblem problem = store.saveDay(arguments[2], note)) {
            std::fprintf(stderr, "%s\n", problem.sentence().toUtf8().constData());
            return 1;
        }
    }
    if (!dates.isEmpty()) {
        if (const HistoryStore::Added added = store.add(arguments[2], dates); added.problem) {
            std::fprintf(stderr, "%s\n", added.problem.sentence().toUtf8().constData());
            return 1;
        }
    }
    for (const auto &[key, value] : choices) {
        if (const HistoryProblem problem = store.setPreference(arguments[2], key, value)) {
            std::fprintf(stderr, "%s\n", problem.sentence().toUtf8().constData());
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
    const HistoryStore::Days days = store.days(arguments[2]);
    if (days.problem) {
        std::fprintf(stderr, "%s\n", days.problem.sentence().toUtf8().constData());
        return 1;
    }
    for (const DayNote &note : days.notes)
        std::printf("%s: %s\n", note.day.toString(Qt::ISODate).toUtf8().constData(),
                    DayNotes::words(note).toUtf8().constData());
    return 0;
}
