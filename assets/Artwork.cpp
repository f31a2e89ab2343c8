#include "Artwork.h"

#include <QImageReader>

#include <cmath>

static void initResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    (void)done;
}

namespace Artwork {

QFont uiFont(double points, bool bold)
{
    QFont font(QString::fromLatin1(uiFamily));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setStretch(uiStretch);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPixmap picture(const QString &name)
{
    initResources();
    // Icons hold several sizes; the window shows the 32 x 32 one.
    QImageReader reader(QStringLiteral(":/pictures/") + name);
    QImage image = reader.read();
    return QPixmap::fromImage(image);
}

QIcon icon(const QString &name)
{
    initResources();
    return QIcon(QStringLiteral(":/pictures/") + name);
}

QCursor handCursor()
{
    return QCursor(picture(QStringLiteral("hand_cursor.png")), 5, 0);
}

} // namespace Artwork
