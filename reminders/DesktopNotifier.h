#pragma once
// The system's own notification: org.freedesktop.Notifications on Linux,
// the notification area's balloon on Windows.

#include "ReminderPlan.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

namespace DesktopNotifier {

struct Outcome
{
    bool shown = false; // false: no notification server, nothing was shown
    QString answer;     // the action she chose; empty when none
};

// What the check runs in: no display is needed to talk to the bus, while
// Windows' notification area belongs to a GUI application.
std::unique_ptr<QCoreApplication> application(int &argc, char **argv);

// Shows the notice; one with answers waits for hers, at most `waitSeconds`.
Outcome notify(const ReminderPlan::Notice &notice, int waitSeconds);

} // namespace DesktopNotifier
