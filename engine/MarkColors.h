#pragma once
// Colour values of marked days, laid out 0x00BBGGRR (blue in the high byte)
// as the stored tables and the legend use them.

#include <QtGlobal>

namespace MarkColors {
inline constexpr qint32 markProxima = 0xFF0000; // blue: start of a menstruation
inline constexpr qint32 markMenosP = 0xFF8080;  // light blue: less dangerous day
inline constexpr qint32 markMaisP = 0x8080FF;   // pink: more dangerous day
inline constexpr qint32 markApice = 0x0000FF;   // red: ovulation peak
inline constexpr qint32 markHoje = 0x0080FF;    // orange: today

inline constexpr int red(qint32 bgr) { return bgr & 0xFF; }
inline constexpr int green(qint32 bgr) { return (bgr >> 8) & 0xFF; }
inline constexpr int blue(qint32 bgr) { return (bgr >> 16) & 0xFF; }
} // namespace MarkColors
