#pragma once
// Her choice of a desktop reminder, kept with her history: how many days
// before the range opens, and whether its words must say nothing of what it
// is about (a shared screen).

#include <QString>

#include <optional>

struct ReminderChoice
{
    static constexpr int defaultDaysBefore = 2;
    static constexpr int fewestDaysBefore = 0;
    static constexpr int mostDaysBefore = 10;
    // Under these keys with her choices.
    static inline const QString key = QStringLiteral("lembrete");
    static inline const QString sentKey = QStringLiteral("lembrete_enviado");

    int daysBefore = defaultDaysBefore;
    bool discreet = false;

    // "2", or "2;discreto"; none for an empty or unreadable text (off).
    static std::optional<ReminderChoice> from(const QString &text);
    QString text() const;
    bool operator==(const ReminderChoice &) const = default;
};
