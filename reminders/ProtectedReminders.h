#pragma once
// The reminders of protected names, kept in the open history file beside
// them (see ProtectedReminder), each by the name of her sealed file.

#include "HistoryStore.h"
#include "ProtectedReminder.h"

#include <QDate>
#include <QString>

#include <optional>

class ProtectedReminders
{
public:
    explicit ProtectedReminders(QString folder);

    struct Kept
    {
        QString file; // her sealed file's name
        ProtectedReminder reminder;
    };
    struct All
    {
        HistoryProblem problem;
        QList<Kept> kept;
    };
    All all() const;
    // None removes it.
    HistoryProblem set(const QString &file, const std::optional<ProtectedReminder> &reminder) const;
    // Her sealed file renamed by a new passphrase: her reminder goes with it.
    HistoryProblem move(const QString &from, const QString &to) const;

    struct Brought
    {
        HistoryProblem problem;
        QList<QDate> added; // starts she confirmed from a notice, now in her history
        bool changed = false; // something out here was written or removed
    };
    // Her sealed history, open: the starts she confirmed added to it, the
    // dates outside made again from it and her choice (removed without one),
    // and what was kept for sealed files now gone removed. `afresh` after a
    // new choice: a notice already given may be given again.
    Brought keep(const QString &file, const HistoryStore &sealed, const QString &name, const QDate &today,
                 bool afresh = false) const;

private:
    QString m_folder;
    HistoryStore m_open;
};
