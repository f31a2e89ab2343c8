#pragma once
// The pictures, pointer and type face both windows are drawn with.

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace Artwork {

// The designed face was MS Sans Serif, a narrow bitmap face; Liberation Sans
// slightly condensed keeps its widths, so every caption fits where designed.
inline constexpr const char *uiFamily = "Liberation Sans";
inline constexpr int uiStretch = 93;

// Loads the faces shipped beside the programs (fonts/*.ttf, on Windows,
// where Liberation Sans is not installed); none there, the system's are used.
void loadBundledFonts(const QString &programFolder);

// A font of the designed point size at 96 dots per inch, independent of the
// screen's own setting (the whole layout is in pixels).
QFont uiFont(double points, bool bold = false);

// A picture by name ("rosto0"), drawn for a device pixel ratio: above 1 the
// picture drawn at twice the size, never the designed one blown up. Without
// a ratio, the application's.
QPixmap picture(const QString &name, qreal ratio);
QPixmap picture(const QString &name);

// A program's window icon ("quintrela", "qtrconfg"): 16 and 32 pixels, and
// 64 on a scaled screen.
QIcon icon(const QString &name);

// The pointing hand, hot spot on the fingertip at (5, 0).
QCursor handCursor();

} // namespace Artwork
