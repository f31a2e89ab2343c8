#include "Artwork.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
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

namespace {

// Read as PNG, told so: a reader left to guess the format first asks every
// image plugin installed (GIF, JPEG, SVG...), loading each, which costs the
// start of the program more than all its pictures.
QPixmap decodePng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

namespace Artwork {

void loadBundledFonts(const QString &programFolder)
{
    const QDir fonts(programFolder + QStringLiteral("/fonts"));
    for (const QString &name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name)) {
        if (QFontDatabase::addApplicationFont(fonts.filePath(name)) < 0)
            qWarning("Quintrela: the face %s could not be loaded", qPrintable(name));
    }
}

QFont uiFont(double points, bool bold)
{
    QFont font(QString::fromLatin1(uiFamily));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setStretch(uiStretch);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPixmap picture(const QString &name, qreal ratio)
{
    initResources();
    const bool fine = ratio > 1.0;
    const QString file = name + (fine ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
    // Decoded once: the window shows several pictures twice.
    static QHash<QString, QPixmap> decoded;
    const auto found = decoded.constFind(file);
    if (found != decoded.constEnd())
        return *found;
    QPixmap pixmap = decodePng(QStringLiteral(":/pictures/") + file);
    if (fine)
        pixmap.setDevicePixelRatio(2.0);
    decoded.insert(file, pixmap);
    return pixmap;
}

QPixmap picture(const QString &name)
{
    return picture(name, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QIcon icon(const QString &name)
{
    initResources();
    // The window's own sizes, and their double on a scaled screen; each
    // added size is decoded at once, and the large ones are the desktop's.
    QIcon icon;
    for (int size : {16, 32, 64}) {
        if (size == 64 && qGuiApp && qGuiApp->devicePixelRatio() <= 1.0)
            break;
        icon.addPixmap(decodePng(QStringLiteral(":/icons/%1x%1/%2.png").arg(size).arg(name)));
    }
    return icon;
}

QCursor handCursor()
{
    // Made once, and kept past the application: turning a picture into a
    // pointer is not free, and a pointer must not outlive the window system.
    static const auto *hand = new QCursor(picture(QStringLiteral("hand_cursor")), 5, 0);
    return *hand;
}

} // namespace Artwork
