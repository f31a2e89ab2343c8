#pragma once
// Words that more than one part of the program says the same way.

#include <QString>

namespace SharedTexts {

// The health notice: under the calendar, and in every exported event.
inline const QString lblSexoSafeText = QStringLiteral(
    "A Quintrela não é um método contraceptivo. Para evitar a gravidez e previnir doenças, utilize camisinha.");

} // namespace SharedTexts
