#include "ReminderChoice.h"

#include <QStringList>

namespace {
const QString discreetWord = QStringLiteral("discreto");
}

std::optional<ReminderChoice> ReminderChoice::from(const QString &text)
{
    const QStringList parts = text.split(u';');
    bool number = false;
    const int days = parts.first().toInt(&number);
    if (!number || days < fewestDaysBefore || days > mostDaysBefore || parts.size() > 2
        || (parts.size() == 2 && parts[1] != discreetWord))
        return std::nullopt;
    return ReminderChoice{days, parts.size() == 2};
}

QString ReminderChoice::text() const
{
    return QString::number(daysBefore) + (discreet ? u';' + discreetWord : QString());
}
