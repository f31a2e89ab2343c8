#pragma once
// Whether her reminder is due today, and what it says: some days before the
// range her history gives opens, and from the likeliest day "Já começou?".
// Each is given once (a session may start many times a day).

#include "CycleForecast.h"
#include "CycleStatistics.h"
#include "ReminderChoice.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace ReminderPlan {

struct Notice
{
    enum class Kind { Soon, Started };
    Kind kind = Kind::Soon;
    QString title;
    QString body;
    // Her answers, as (key, words): "Já começou?" has "Sim, hoje" and "Ainda não".
    QList<std::pair<QString, QString>> actions;
    QString sent; // kept once given: the same is not given again
};

inline const QString startedToday = QStringLiteral("sim");
inline const QString notYet = QStringLiteral("nao");

std::optional<Notice> due(const QList<HistoryCycle> &cycles, const std::optional<CyclePause> &pause,
                          const QDate &today, const ReminderChoice &choice, const QString &lastSent);
// The same from a range already made (a protected name's, kept outside her file).
std::optional<Notice> due(const std::optional<NextStartRange> &range, const QDate &today, const ReminderChoice &choice,
                          const QString &lastSent);

} // namespace ReminderPlan
