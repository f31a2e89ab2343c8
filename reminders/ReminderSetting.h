#pragma once
// Her reminder turned on or off from Histórico: her choice kept with her
// history, and her session's entry there exactly while a name has one on.

#include "FileProblem.h"
#include "HistoryProblem.h"
#include "HistoryStore.h"
#include "ReminderChoice.h"

#include <optional>

namespace ReminderSetting {

struct Result
{
    HistoryProblem history;
    FileProblem autostart;
};

std::optional<ReminderChoice> chosen(const HistoryStore &store, const QString &name);
// None turns it off. `program` is what her session starts with --lembretes.
Result choose(const HistoryStore &store, const QString &name, const std::optional<ReminderChoice> &choice,
              const QString &program);

} // namespace ReminderSetting
