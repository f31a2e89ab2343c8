#pragma once
// `Quintrela --lembretes`, started with her session: looks once at every
// name whose reminder is on, open or protected, notifies what is due, and
// ends. No resident process, no network. With no notification server it
// ends quietly and keeps nothing as given.

#include "DesktopNotifier.h"

#include <QDate>
#include <QString>

#include <functional>

namespace ReminderCheck {

using Notify = std::function<DesktopNotifier::Outcome(const ReminderPlan::Notice &)>;

// How long a question waits for her answer before the check ends.
constexpr int answerWaitSeconds = 15 * 60;

// The number of notices shown.
int run(const QString &dataFolder, const QDate &today, const Notify &notify);

} // namespace ReminderCheck
