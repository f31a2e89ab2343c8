#pragma once
// Colours as the marks and the design store them, 0x00BBGGRR (blue in the
// high byte), made Qt's.

#include "MarkColors.h"

#include <QColor>

inline QColor fromBgr(qint32 bgr)
{
    return QColor(MarkColors::red(bgr), MarkColors::green(bgr), MarkColors::blue(bgr));
}
