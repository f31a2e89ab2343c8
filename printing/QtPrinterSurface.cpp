#include "QtPrinterSurface.h"

#include "BgrColour.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>

QtPrinterSurface::QtPrinterSurface(QPagedPaintDevice &device)
    : m_device(device)
{
    if (auto *printer = dynamic_cast<QPrinter *>(&m_device))
        printer->setFullPage(false);
    m_font.setStyleStrategy(QFont::PreferOutline);
}

QtPrinterSurface::~QtPrinterSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

QPainter &QtPrinterSurface::painter()
{
    if (!m_painter.isActive() && !m_failed && !m_painter.begin(&m_device))
        m_failed = true;
    return m_painter;
}

double QtPrinterSurface::dots(double mm) const
{
    return mm * m_device.logicalDpiX() / 25.4;
}

double QtPrinterSurface::millimetres(double d) const
{
    return d * 25.4 / m_device.logicalDpiX();
}

QPen QtPrinterSurface::pen(qint32 colour) const
{
    return QPen(fromBgr(colour), dots(m_lineWidth), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void QtPrinterSurface::setLandscape()
{
    m_device.setPageOrientation(QPageLayout::Landscape);
}

void QtPrinterSurface::setLineWidth(double millimetres)
{
    m_lineWidth = millimetres;
}

void QtPrinterSurface::setJobTitle(const QString &title)
{
    m_title = title;
    if (auto *printer = dynamic_cast<QPrinter *>(&m_device))
        printer->setDocName(title);
    else if (auto *writer = dynamic_cast<QPdfWriter *>(&m_device))
        writer->setTitle(title);
}

void QtPrinterSurface::setFontName(const QString &name)
{
    m_font.setFamily(name);
}

void QtPrinterSurface::setFontSize(double points)
{
    m_font.setPointSizeF(points);
}

void QtPrinterSurface::setFontBold(bool bold)
{
    m_font.setBold(bold);
}

void QtPrinterSurface::setCurrentX(double x)
{
    m_current.setX(x);
}

void QtPrinterSurface::setCurrentY(double y)
{
    m_current.setY(y);
}

void QtPrinterSurface::print(const QString &text)
{
    QPainter &p = painter();
    if (!p.isActive())
        return;
    p.setFont(m_font);
    p.setPen(Qt::black);
    const QFontMetricsF fm(m_font, &m_device);
    p.drawText(QPointF(dots(m_current.x()), dots(m_current.y()) + fm.ascent()), text);
    m_current.ry() += millimetres(fm.height());
}

double QtPrinterSurface::textWidth(const QString &text) const
{
    return millimetres(QFontMetricsF(m_font, &m_device).horizontalAdvance(text));
}

double QtPrinterSurface::textHeight(const QString &) const
{
    return millimetres(QFontMetricsF(m_font, &m_device).height());
}

void QtPrinterSurface::line(double x1, double y1, double x2, double y2, qint32 colour)
{
    QPainter &p = painter();
    if (!p.isActive())
        return;
    p.setPen(pen(colour));
    p.drawLine(QPointF(dots(x1), dots(y1)), QPointF(dots(x2), dots(y2)));
}

void QtPrinterSurface::rectangle(double x1, double y1, double x2, double y2, qint32 colour)
{
    QPainter &p = painter();
    if (!p.isActive())
        return;
    p.setPen(pen(colour));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(dots(x1), dots(y1)), QPointF(dots(x2), dots(y2))));
}

void QtPrinterSurface::paintPicture(const QPixmap &picture, double x, double y, double width, double height)
{
    QPainter &p = painter();
    if (!p.isActive())
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawPixmap(QRectF(dots(x), dots(y), dots(width), dots(height)), picture, QRectF(picture.rect()));
}

bool QtPrinterSurface::newPage()
{
    return painter().isActive() && m_device.newPage();
}

bool QtPrinterSurface::endDoc()
{
    QPainter &p = painter();
    if (!p.isActive())
        return false;
    const bool ended = p.end();
    const auto *printer = dynamic_cast<const QPrinter *>(&m_device);
    return ended && !m_failed
           && (!printer || (printer->printerState() != QPrinter::Error && printer->printerState() != QPrinter::Aborted));
}
