#include "ReminderSetting.h"

#include "Autostart.h"
#include "ProtectedReminders.h"

namespace ReminderSetting {

std::optional<ReminderChoice> chosen(const HistoryStore &store, const QString &name)
{
    return ReminderChoice::from(store.preference(name, ReminderChoice::key).value);
}

Result choose(const HistoryStore &store, const QString &name, const std::optional<ReminderChoice> &choice,
              const QString &program, const std::optional<Sealed> &sealed)
{
    Result told;
    told.history = store.setPreference(name, ReminderChoice::key, choice ? choice->text() : QString());
    if (told.history)
        return told;
    // Given or not, a new choice starts afresh (a protected one's is kept outside).
    if (sealed)
        told.history = ProtectedReminders(store.folder()).keep(sealed->file, store, name, sealed->today, true).problem;
    else
        store.setPreference(name, ReminderChoice::sentKey, QString());
    if (told.history)
        return told;
    told.autostart = settle(store.folder(), program);
    return told;
}

FileProblem settle(const QString &folder, const QString &program)
{
    const HistoryStore::Names on = HistoryStore(folder).namesChoosing(ReminderChoice::key);
    const ProtectedReminders::All outside = ProtectedReminders(folder).all();
    // Unread, the entry stays as it is.
    if (on.problem || outside.problem)
        return {};
    return on.names.isEmpty() && outside.kept.isEmpty() ? Autostart::remove() : Autostart::install(program);
}

} // namespace ReminderSetting
