#pragma once
// One consultation, from the typed fields to the month to show: the checks,
// her record in quintrela.dat, her history, the projection. It hands back
// what the fields should now hold, what to tell her and which month to show;
// the window only shows it and asks her the one question.

#include "CalendarExport.h"
#include "HistoryProblem.h"
#include "HistoryStore.h"
#include "UserRecordsFile.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class fQuintrela;

class Consultation
{
public:
    enum class Field { Name, Date, Cycle };

    // Something she is told in a box; `focus` is the field to correct.
    struct Message
    {
        enum class Kind { Information, Warning, Error };
        Kind kind = Kind::Warning;
        QString text;
        std::optional<Field> focus;
    };

    struct Inputs
    {
        QString name;
        QString date;
        QString cycle;
        // The date and cycle fields still hold what start-up put in them:
        // she has typed nothing there.
        bool startupDefaults = false;
    };

    // What her history says of her next period, under the calendar.
    struct Forecast
    {
        QString sentence;
        // The month of the next start still to come, when the month shown
        // (that of the first projected start) has gone by.
        std::optional<QDate> comingMonth;
        // Her fertile days by her history in the cycle going on and the next
        // likely one, and what they are; none without a forecast.
        QList<QDate> fertileDates;
        QString fertileExplanation;
        bool fertileShown = false; // her choice to see them marked on the month
        // The range still to come, as her calendar file carries it.
        std::optional<CalendarExport::HistoryRange> calendarRange;
    };

    struct Outcome
    {
        Inputs shown;                  // what the fields hold now: the date rewritten, or her record's
        bool filledFromRecord = false; // her stored data came into the fields
        std::optional<Message> refusal; // an input refused: nothing else was done
        QList<Message> notices;        // files not read or kept; the calendar is shown all the same
        QDate month;                   // the month to show: that of the first projected start
        std::optional<Forecast> forecast; // none for a name with no history
    };

    Consultation(fQuintrela &state, QString dataFolder, std::function<QDate()> today);

    // Start-up: the settings file's choice, today marked, today's month on view.
    std::optional<Message> start();

    struct Names
    {
        bool ok = true;
        QStringList names;
        std::optional<Message> notice; // the file cannot be read: told once per failure
    };
    Names names();

    // The record a name picks: the last one in the file that matches.
    struct Remembered
    {
        std::optional<UserRecord> record; // fields as stored, without surrounding blanks
        std::optional<Message> notice;
    };
    Remembered remembered(const QString &name);

    Outcome run(Inputs inputs, const std::function<bool()> &askToAdd);

    // Her protected data open: a consultation of that name keeps her date in
    // her sealed history alone, never in quintrela.dat, and her name is
    // offered while it is open. Locked, all of it is forgotten.
    void openProtected(const QString &name, const HistoryStore &sealed);
    void lock();
    bool isProtected(const QString &name) const;
    // The history a name's consultations keep: her sealed one, or historico.db.
    HistoryStore historyOf(const QString &name) const;

    // For the name of the consultation on view, from its history as it is now
    // (Histórico may have changed it).
    std::optional<Forecast> forecast() const;
    // Her choice, kept with her history.
    HistoryProblem showFertile(bool shown) const;

    // The month `months` away from the one on view; none past the marks' years.
    std::optional<QDate> monthAfter(int months) const;
    // Whether a month can be shown at all (the marks' years).
    static bool canShow(const QDate &day);

private:
    std::optional<Message> check(Inputs &inputs) const;
    std::optional<Message> keepInHistory(const Inputs &inputs, const QList<UserRecord> &before);
    std::optional<Message> keepInHistory(const Inputs &inputs, const HistoryStore &history, QDate stored,
                                         int storedLength);
    Outcome runProtected(Inputs inputs, Outcome outcome);
    std::optional<Message> recordsNotice(const UserRecordsFile::ReadResult &read);

    fQuintrela &m_state;
    QString m_folder;
    std::function<QDate()> m_today;
    UserRecordsFile m_records;
    bool m_toldRecordsUnreadable = false;
    HistoryProblem::Cause m_toldHistoryProblem = HistoryProblem::Cause::None;
    QString m_protectedName;
    std::optional<HistoryStore> m_protected;
};
