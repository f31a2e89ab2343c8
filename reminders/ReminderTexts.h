#pragma once
// What her reminder says. The discreet words say nothing of what it is about.

#include <QString>

namespace ReminderTexts {

inline const QString title = QStringLiteral("Quintrela");
inline const QString soon = QStringLiteral(
    "Pela sua história, a próxima menstruação deve começar %1 (em cerca de %2 de cada %3 ciclos).");
inline const QString startedTitle = QStringLiteral("Já começou?");
inline const QString started = QStringLiteral(
    "Pela sua história, a menstruação deve começar %1. Se começou hoje, a Quintrela guarda a data no seu histórico.");
inline const QString discreetTitle = QStringLiteral("Lembrete da Quintrela");
inline const QString discreetSoon = QStringLiteral("Abra a Quintrela para ver o seu lembrete.");
inline const QString discreetStarted = QStringLiteral("Já começou?");
inline const QString yesToday = QStringLiteral("Sim, hoje");
inline const QString notYet = QStringLiteral("Ainda não");

} // namespace ReminderTexts
