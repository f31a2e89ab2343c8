#include "ReminderCheck.h"

#include "HistoryStore.h"
#include "ProtectedReminders.h"

namespace ReminderCheck {

int run(const QString &dataFolder, const QDate &today, const Notify &notify)
{
    const HistoryStore store(dataFolder);
    const HistoryStore::Names chosen = store.namesChoosing(ReminderChoice::key);
    int shown = 0;
    for (const QString &name : chosen.names) {
        const auto choice = ReminderChoice::from(store.preference(name, ReminderChoice::key).value);
        const HistoryStore::Starts starts = store.starts(name);
        if (!choice || starts.problem)
            continue;
        const QList<HistoryCycle> cycles = CycleStatistics::cycles(starts.starts, store.leftOut(name).cycles);
        const auto pause = CycleStatistics::pauseFrom(store.preference(name, CycleStatistics::pausePreference).value);
        const auto notice =
            ReminderPlan::due(cycles, pause, today, *choice, store.preference(name, ReminderChoice::sentKey).value);
        if (!notice)
            continue;
        const DesktopNotifier::Outcome outcome = notify(*notice);
        // Nobody to show it to: nothing is kept as given, the next session tries again.
        if (!outcome.shown)
            return shown;
        ++shown;
        store.setPreference(name, ReminderChoice::sentKey, notice->sent);
        if (outcome.answer == ReminderPlan::startedToday)
            store.add(name, {today});
    }
    // Protected names: only the dates are out here, and only the discreet words are said.
    const ProtectedReminders outside(dataFolder);
    for (ProtectedReminders::Kept kept : outside.all().kept) {
        ProtectedReminder &reminder = kept.reminder;
        const auto notice = ReminderPlan::due(reminder.current(), today, {reminder.daysBefore, true}, reminder.sent);
        // No room for one more start she confirms: it waits until she opens her file.
        if (!notice || (notice->kind == ReminderPlan::Notice::Kind::Started
                        && reminder.started.size() >= ProtectedReminder::mostStarts))
            continue;
        const DesktopNotifier::Outcome outcome = notify(*notice);
        if (!outcome.shown)
            return shown;
        ++shown;
        reminder.sent = notice->sent;
        // Kept with the notice given: asked once a day, so never twice.
        if (outcome.answer == ReminderPlan::startedToday)
            reminder.started.append(today);
        outside.set(kept.file, reminder);
    }
    return shown;
}

} // namespace ReminderCheck
