#include "SystemAnnouncement.h"

namespace SystemAnnouncement {

void raise(QWidget *, const QString &)
{
    // AT-SPI screen readers (Orca) speak the notification as it is shown.
}

} // namespace SystemAnnouncement
