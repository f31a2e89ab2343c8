#pragma once
// Her history: every period start she has typed or added, by name, in an
// SQLite database beside quintrela.dat, which stays as it always was.
//
// The file is held to the rules of her other files and read whole, through
// her folder's handle, into memory (see HistoryFile); every change is one
// transaction there, and the whole new image is saved in the file's place
// before it is reported. Only the program's own schema is obeyed: a database
// that is damaged, newer, of another program or with anything planted in it
// is told, and left untouched.
//
// Schema (user_version 3; 1 and 2 are read, and brought up to 3 by a change), also in the README:
//   period_start(name_key, name, start 'yyyy-MM-dd', typed_length or NULL),
//   one row per name and date;
//   day_note(name_key, day, flow 0-4, pain 0-3, symptoms one a line, mood, note);
//   cycle_left_out(name_key, start, reason 1-5);
//   preference(name_key, key, value); rows of no name under an identifier
//   a name's key cannot be (see unnamedChoosing).

#include "DayNote.h"
#include "HistoryProblem.h"
#include "ImageSeal.h"
#include "LeftOutCycle.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>

class HistoryStore
{
public:
    static constexpr int schemaVersion = 3;
    // Far more than any history of hers (500 dates are a few KB): a larger
    // file is refused, unread and unwritten, as her records file is.
    static constexpr qint64 maxBytes = 10 * 1024 * 1024;
    static constexpr int maxDates = 100000;
    // No date of hers is older: what is typed, imported or remembered.
    static constexpr int oldestYear = 1900;
    static inline const QString fileName = QStringLiteral("historico.db");

    explicit HistoryStore(QString folder);
    // A history of its own in a file of that name, sealed (see ImageSeal).
    HistoryStore(QString folder, QString file, std::shared_ptr<const ImageSeal> seal);
    QString path() const;
    const QString &folder() const { return m_folder; }

    struct Starts
    {
        HistoryProblem problem;
        QList<QDate> starts; // oldest first; none when there is no history yet
    };
    Starts starts(const QString &name) const;

    // Her dates as kept, each with the cycle length typed with it (0: none):
    // what moves whole between her open and her protected history.
    struct Row
    {
        QDate start;
        int typedLength = 0;
        bool operator==(const Row &) const = default;
    };
    struct Rows
    {
        HistoryProblem problem;
        QList<Row> rows; // oldest first
    };
    Rows rows(const QString &name) const;
    // All of them, typed lengths kept, or on any failure none.
    HistoryProblem addRows(const QString &name, const QList<Row> &rows) const;

    struct Consulted
    {
        HistoryProblem problem;
        QDate start;    // invalid when no consultation of hers is kept
        int length = 0; // the cycle length typed with it
    };
    // Her latest date typed in a consultation, with its cycle length: what
    // her record holds.
    Consulted lastConsultation(const QString &name) const;

    // A consultation's date and cycle length, and the date quintrela.dat held
    // for her (stored, when valid) when her history does not have it yet.
    HistoryProblem recordConsultation(const QString &name, const QDate &typed, int typedLength, const QDate &stored,
                                      int storedLength) const;

    struct Added
    {
        HistoryProblem problem;
        int added = 0; // dates that were not in her history yet
    };
    // All of them or, on any failure, none.
    Added add(const QString &name, const QList<QDate> &starts) const;
    HistoryProblem remove(const QString &name, const QDate &start) const;
    // Her rows deleted (dates, days, cycles left out, choices), and the file
    // replaced by one rebuilt without a byte of them.
    HistoryProblem erase(const QString &name) const;

    struct Imported
    {
        HistoryProblem problem;
        int starts = 0; // starts that were not in her history yet
        int days = 0;   // days whose note gained something
        int leftOut = 0; // cycles left out that were counted
    };
    // Starts and days from another app, all or none: a day she noted keeps
    // her flow and her words, and gains the symptoms it did not have.
    Imported addImported(const QString &name, const QList<QDate> &starts, const QList<DayNote> &days,
                         const QList<LeftOutCycle> &leftOut = {}) const;

    struct Days
    {
        HistoryProblem problem;
        QList<DayNote> notes; // oldest first
    };
    Days days(const QString &name) const;
    // The day's note, tidied, in place of any before; an empty one removes it.
    HistoryProblem saveDay(const QString &name, const DayNote &note) const;

    struct LeftOut
    {
        HistoryProblem problem;
        QList<LeftOutCycle> cycles; // oldest first
    };
    LeftOut leftOut(const QString &name) const;
    // The cycle from that start left out for the reason, or counted again without one.
    HistoryProblem setLeftOut(const QString &name, const QDate &start, std::optional<LeftOutReason> reason) const;

    struct Preference
    {
        HistoryProblem problem;
        QString value; // empty when never chosen
    };
    Preference preference(const QString &name, const QString &key) const;
    // An empty value forgets the choice.
    HistoryProblem setPreference(const QString &name, const QString &key, const QString &value) const;

    struct Names
    {
        HistoryProblem problem;
        QStringList names; // as her dates name her
    };
    // Every name that made this choice.
    Names namesChoosing(const QString &key) const;

    // Choices kept for no name, by an identifier no name can have (a name's
    // key is in capitals: see NameKey): what must be read while her
    // protected file stays shut.
    struct Unnamed
    {
        HistoryProblem problem;
        QList<std::pair<QString, QString>> values; // (identifier, value)
    };
    Unnamed unnamedChoosing(const QString &key) const;
    // An empty value forgets it; an identifier a name could have is refused.
    HistoryProblem setUnnamedChoice(const QString &id, const QString &key, const QString &value) const;

    // All that is kept of her: what moves whole between her open and her
    // protected history.
    struct Everything
    {
        QList<Row> rows;
        QList<DayNote> days;
        QList<LeftOutCycle> leftOut;
        QList<std::pair<QString, QString>> preferences;
        bool operator==(const Everything &) const = default;
    };
    struct Whole
    {
        HistoryProblem problem;
        Everything everything;
    };
    Whole everything(const QString &name) const;
    // All of it, or on any failure nothing.
    HistoryProblem addEverything(const QString &name, const Everything &everything) const;

private:
    QString m_folder;
    QString m_file = fileName;
    std::shared_ptr<const ImageSeal> m_seal;
};
