#pragma once
// How a page fared on its way to the printer. Every way it can fail is told
// apart, so the user hears what really happened.

#include <QString>

struct PrintOutcome
{
    enum class Status {
        Printed,     // (for ready(): would print)
        NoPrinter,   // no default printer is set
        ServiceDown, // the print service is not running
        Refused,     // the queue does not accept jobs
        Stopped,     // the queue is stopped
        Failed,      // the service refused or lost the job: `detail` says why
        Cancelled,   // she closed the printer's own file dialog: nothing to tell
    };
    Status status = Status::Printed;
    QString detail; // the print service's own words

    bool ok() const { return status == Status::Printed; }
};
