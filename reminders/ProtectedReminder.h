#pragma once
// A protected name's reminder, as it is kept outside her sealed file so that
// her session's check can read it without her passphrase: the dates alone,
// no name, no length, no note. Made again from her history each time she
// opens or locks it; the starts she confirms from the notice wait here until
// she next opens it.

#include "CycleForecast.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

struct ProtectedReminder
{
    // Under this key, with her sealed file's name as the identifier.
    static inline const QString key = QStringLiteral("lembrete_protegido");
    // Starts kept here at most: more cycles than that without opening her
    // file, and the reminder waits for her.
    static constexpr int mostStarts = 8;

    int daysBefore = 0;
    std::optional<NextStartRange> range; // none: nothing to remind yet
    QString sent;                        // as ReminderPlan keeps it
    QList<QDate> started;                // "Sim, hoje", oldest first

    // The range from her newest start: the one her history gave, moved to a
    // start she confirmed since.
    std::optional<NextStartRange> current() const;

    // "2 2027-03-01 2027-03-29 2027-03-26 2027-04-01 - 2027-03-28"; none
    // when the text is not one of these.
    static std::optional<ProtectedReminder> from(const QString &text);
    QString text() const;
    bool operator==(const ProtectedReminder &) const;
};
