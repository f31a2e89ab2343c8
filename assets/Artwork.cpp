#include "Artwork.h"

#include <QHash>
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
    // Decoded once: the window shows several pictures twice.
    static QHash<QString, QPixmap> decoded;
    const auto found = decoded.constFind(name);
    if (found != decoded.constEnd())
        return *found;
    // Icons hold several sizes; the first is the 32 x 32 one.
    QImageReader reader(QStringLiteral(":/pictures/") + name);
    const QPixmap pixmap = QPixmap::fromImage(reader.read());
    decoded.insert(name, pixmap);
    return pixmap;
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
