#include "ProtectedReminders.h"

#include "ProtectedHistories.h"
#include "ReminderChoice.h"

namespace {

// A name's key is in capitals: this is never one.
const QString idPrefix = QStringLiteral("arquivo:");

} // namespace

ProtectedReminders::ProtectedReminders(QString folder) : m_folder(std::move(folder)), m_open(m_folder) {}

ProtectedReminders::All ProtectedReminders::all() const
{
    const HistoryStore::Unnamed read = m_open.unnamedChoosing(ProtectedReminder::key);
    All told{read.problem, {}};
    for (const auto &[id, value] : read.values) {
        const auto reminder = ProtectedReminder::from(value);
        if (id.startsWith(idPrefix) && reminder)
            told.kept.append({id.mid(idPrefix.size()), *reminder});
    }
    return told;
}

HistoryProblem ProtectedReminders::set(const QString &file, const std::optional<ProtectedReminder> &reminder) const
{
    return m_open.setUnnamedChoice(idPrefix + file, ProtectedReminder::key, reminder ? reminder->text() : QString());
}

HistoryProblem ProtectedReminders::move(const QString &from, const QString &to) const
{
    const All kept = all();
    for (const Kept &one : kept.kept) {
        if (one.file != from)
            continue;
        if (const HistoryProblem problem = set(to, one.reminder))
            return problem;
        return set(from, std::nullopt);
    }
    return kept.problem;
}

ProtectedReminders::Brought ProtectedReminders::keep(const QString &file, const HistoryStore &sealed,
                                                     const QString &name, const QDate &today, bool afresh) const
{
    const All kept = all();
    if (kept.problem)
        return {kept.problem, {}, false};
    Brought brought;
    auto change = [&](const QString &which, const std::optional<ProtectedReminder> &reminder) {
        const HistoryProblem problem = set(which, reminder);
        brought.changed = brought.changed || problem.ok();
        return problem;
    };
    const ProtectedHistories histories(m_folder);
    std::optional<ProtectedReminder> before;
    for (const Kept &one : kept.kept) {
        if (one.file == file)
            before = one.reminder;
        // Unprotected, erased, or under a new passphrase: nothing of it stays out here.
        else if (histories.gone(one.file))
            change(one.file, std::nullopt);
    }
    if (histories.gone(file)) {
        if (before)
            brought.problem = change(file, std::nullopt);
        return brought;
    }

    if (before && !before->started.isEmpty()) {
        const HistoryStore::Added added = sealed.add(name, before->started);
        // Not in her history yet: they wait here for the next time.
        if (added.problem) {
            brought.problem = added.problem;
            return brought;
        }
        brought.added = before->started;
    }
    const auto choice = ReminderChoice::from(sealed.preference(name, ReminderChoice::key).value);
    if (!choice) {
        if (before)
            brought.problem = change(file, std::nullopt);
        return brought;
    }
    // Made outside only once she chose it for her protected name, told what it keeps there.
    if (!before && !afresh)
        return brought;
    const HistoryStore::Starts starts = sealed.starts(name);
    const HistoryStore::LeftOut leftOut = sealed.leftOut(name);
    if (starts.problem || leftOut.problem) {
        brought.problem = starts.problem ? starts.problem : leftOut.problem;
        return brought;
    }
    ProtectedReminder now;
    now.daysBefore = choice->daysBefore;
    const auto pause = CycleStatistics::pauseFrom(sealed.preference(name, CycleStatistics::pausePreference).value);
    now.range = CycleForecast::nextStart(CycleStatistics::cycles(starts.starts, leftOut.cycles), today, pause);
    if (before && !afresh)
        now.sent = before->sent;
    if (!before || !(now == *before))
        brought.problem = change(file, now);
    return brought;
}
