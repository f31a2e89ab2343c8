#include "ReminderPlan.h"

#include "DateText.h"
#include "ReminderTexts.h"

using namespace ReminderTexts;

namespace ReminderPlan {

std::optional<Notice> due(const QList<HistoryCycle> &cycles, const std::optional<CyclePause> &pause,
                          const QDate &today, const ReminderChoice &choice, const QString &lastSent)
{
    return due(CycleForecast::nextStart(cycles, today, pause), today, choice, lastSent);
}

std::optional<Notice> due(const std::optional<NextStartRange> &range, const QDate &today, const ReminderChoice &choice,
                          const QString &lastSent)
{
    if (!range || today > range->last)
        return std::nullopt;
    const QString between = CycleForecast::rangeWords(range->first, range->last);
    Notice notice;
    if (today >= range->likeliest) {
        // Asked each day of the range until a start is kept after hers.
        notice.kind = Notice::Kind::Started;
        notice.title = choice.discreet ? discreetTitle : startedTitle;
        notice.body = choice.discreet ? discreetStarted : started.arg(between);
        notice.actions = {{startedToday, yesToday}, {ReminderPlan::notYet, ReminderTexts::notYet}};
        notice.sent = DateText::formatDdMmYyyy(today) + QStringLiteral(";comecou");
    } else if (today >= range->first.addDays(-choice.daysBefore)) {
        notice.kind = Notice::Kind::Soon;
        notice.title = choice.discreet ? discreetTitle : title;
        notice.body = choice.discreet ? discreetSoon
                                      : soon.arg(between)
                                            .arg(CycleForecast::statedTimes)
                                            .arg(CycleForecast::statedOutOf);
        notice.sent = DateText::formatDdMmYyyy(range->first) + QStringLiteral(";antes");
    } else {
        return std::nullopt;
    }
    if (notice.sent == lastSent)
        return std::nullopt;
    return notice;
}

} // namespace ReminderPlan
