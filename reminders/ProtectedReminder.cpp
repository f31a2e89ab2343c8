#include "ProtectedReminder.h"

#include "HistoryStore.h"
#include "ReminderChoice.h"

#include <QStringList>

namespace {

const QString isoDate = QStringLiteral("yyyy-MM-dd");
const QString nothing = QStringLiteral("-");

QDate dateOf(const QString &text)
{
    const QDate date = QDate::fromString(text, isoDate);
    return date.isValid() && date.year() >= HistoryStore::oldestYear ? date : QDate();
}

} // namespace

std::optional<NextStartRange> ProtectedReminder::current() const
{
    if (!range || started.isEmpty() || started.last() <= range->from)
        return range;
    const qint64 moved = range->from.daysTo(started.last());
    NextStartRange shifted = *range;
    shifted.from = shifted.from.addDays(moved);
    shifted.likeliest = shifted.likeliest.addDays(moved);
    shifted.first = shifted.first.addDays(moved);
    shifted.last = shifted.last.addDays(moved);
    return shifted;
}

std::optional<ProtectedReminder> ProtectedReminder::from(const QString &text)
{
    const QStringList parts = text.split(u' ');
    ProtectedReminder kept;
    bool number = false;
    kept.daysBefore = parts.first().toInt(&number);
    if (!number || kept.daysBefore < ReminderChoice::fewestDaysBefore || kept.daysBefore > ReminderChoice::mostDaysBefore)
        return std::nullopt;
    if (parts.size() == 1)
        return kept;
    if (parts.size() < 6 || parts.size() > 6 + mostStarts)
        return std::nullopt;
    NextStartRange range{dateOf(parts[1]), dateOf(parts[2]), dateOf(parts[3]), dateOf(parts[4]), 0};
    if (!range.from.isValid() || !range.likeliest.isValid() || !range.first.isValid() || !range.last.isValid()
        || range.from >= range.first || range.first > range.likeliest || range.likeliest > range.last)
        return std::nullopt;
    kept.range = range;
    kept.sent = parts[5] == nothing ? QString() : parts[5];
    for (qsizetype i = 6; i < parts.size(); ++i) {
        const QDate start = dateOf(parts[i]);
        if (!start.isValid() || (!kept.started.isEmpty() && start <= kept.started.last()))
            return std::nullopt;
        kept.started.append(start);
    }
    return kept;
}

QString ProtectedReminder::text() const
{
    QStringList parts{QString::number(daysBefore)};
    if (range) {
        parts << range->from.toString(isoDate) << range->likeliest.toString(isoDate) << range->first.toString(isoDate)
              << range->last.toString(isoDate) << (sent.isEmpty() || sent.contains(u' ') ? nothing : sent);
        for (const QDate &start : started)
            parts << start.toString(isoDate);
    }
    return parts.join(u' ');
}

// The same when kept the same: what the range rests on is not kept.
bool ProtectedReminder::operator==(const ProtectedReminder &other) const
{
    return text() == other.text();
}
