#include "ReminderSetting.h"

#include "Autostart.h"

namespace ReminderSetting {

std::optional<ReminderChoice> chosen(const HistoryStore &store, const QString &name)
{
    return ReminderChoice::from(store.preference(name, ReminderChoice::key).value);
}

Result choose(const HistoryStore &store, const QString &name, const std::optional<ReminderChoice> &choice,
              const QString &program)
{
    Result told;
    told.history = store.setPreference(name, ReminderChoice::key, choice ? choice->text() : QString());
    if (told.history)
        return told;
    // Given or not, a new choice starts afresh.
    store.setPreference(name, ReminderChoice::sentKey, QString());
    const HistoryStore::Names on = store.namesChoosing(ReminderChoice::key);
    if (on.problem)
        return told;
    told.autostart = on.names.isEmpty() ? Autostart::remove() : Autostart::install(program);
    return told;
}

} // namespace ReminderSetting
