#pragma once
// Her reminder turned on or off from Histórico: her choice kept with her
// history, and her session's entry there exactly while a name has one on.

#include "FileProblem.h"
#include "HistoryProblem.h"
#include "HistoryStore.h"
#include "ReminderChoice.h"

#include <QDate>

#include <optional>

namespace ReminderSetting {

struct Result
{
    HistoryProblem history;
    FileProblem autostart;
};

// Her protected file, open: her choice goes in it, and its dates alone
// outside it (see ProtectedReminders).
struct Sealed
{
    QString file;
    QDate today;
};

std::optional<ReminderChoice> chosen(const HistoryStore &store, const QString &name);
// None turns it off. `program` is what her session starts with --lembretes.
Result choose(const HistoryStore &store, const QString &name, const std::optional<ReminderChoice> &choice,
              const QString &program, const std::optional<Sealed> &sealed = std::nullopt);
// Her session's entry there while any name of the folder, open or protected,
// has a reminder on, and gone once none has.
FileProblem settle(const QString &folder, const QString &program);

} // namespace ReminderSetting
