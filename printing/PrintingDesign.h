#pragma once
// The printed month's layout, in millimetres, and its texts.

#include <QString>

#include <array>

namespace PrintingDesign {

// Frame and grid lines: 0.2 mm on any printer (3 dots were a hairline at
// 1,200 dots per inch).
inline constexpr double lineWidth = 0.2;
inline constexpr const char *fontName = "Times New Roman";

inline constexpr double frameLeft = 2, frameTop = 2, frameRight = 238, frameBottom = 180;
inline constexpr double titleBandBottom = 20;
inline constexpr double headingBandBottom = 30;
inline constexpr double rowHeight = 25;
inline constexpr double columnWidth = 33.71;

inline constexpr std::array<double, 7> headingAnchor{2, 36, 69, 103, 137, 171, 204};
inline constexpr std::array<double, 7> rightAnchor{35.41, 69.12, 102.83, 136.54, 170.25, 203.96, 237.7};
inline constexpr std::array<double, 6> topAnchor{30.3, 55.3, 80.3, 105.3, 130.3, 155.3};

inline constexpr double titleSize = 35, titleRight = 235;
inline constexpr double headingGapBeforeTitle = 3; // a long name is cut short of the title
inline constexpr double headingSize = 10, headingX = 7, headingY = 4;
inline constexpr double addressSize = 14;
inline constexpr double adviceSize = 12, adviceX = 3, adviceY = 181;
inline constexpr double weekdaySize = 20;
inline constexpr double daySize = 14;
inline constexpr double legendSize = 8;

inline const QString headingText = QStringLiteral("Calendário menstrual de ");
inline const QString jobTitleStart = QStringLiteral("Quintrela – ");
inline const QString sloganText = QStringLiteral("Obtenha o seu calendário menstrual de onde estiver!");
inline const QString adviceText = QStringLiteral(
    "* Ao fazer amor, use sempre camisinha. Somente a camisinha previne doenças além de evitar a gravidez.");
inline constexpr std::array<const char *, 7> weekdayText{"Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sáb"};

} // namespace PrintingDesign
