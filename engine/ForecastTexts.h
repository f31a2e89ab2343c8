#pragma once
// What is said of her next period and her fertile days by her own history.

#include <QString>

namespace ForecastTexts {

inline const QString likely = QStringLiteral(
    "Pela sua história, a próxima menstruação deve começar %1 (em cerca de %2 de cada %3 ciclos), "
    "mais provavelmente em %4.");
// The range went by with no start after hers: she may not have noted it.
inline const QString wentBy = QStringLiteral(
    "Pela sua história, a menstruação seguinte à de %1 deveria ter começado %2 (em cerca de %3 de cada %4 ciclos). "
    "Se já começou, acrescente a data ao Histórico.");
inline const QString tooFew = QStringLiteral("ainda não há ciclos suficientes para uma previsão pela sua história");
inline const QString between = QStringLiteral("entre %1 e %2");
inline const QString dayOfMonth = QStringLiteral("%1 de %2");
inline const QString dayOfMonthYear = QStringLiteral("%1 de %2 de %3");

inline const QString fertile = QStringLiteral(
    "Dias férteis pela sua história: do %1º ao %2º dia do ciclo, contando o primeiro dia da menstruação como o 1º.");
inline const QString fertileWider = QStringLiteral(
    " Com menos de %1 ciclos contados, a faixa vai um dia além de cada lado.");
// The day's own words, for hover and the screen reader.
inline const QString fertileDay = QStringLiteral("dia fértil pela sua história");

} // namespace ForecastTexts
