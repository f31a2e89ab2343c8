#pragma once
// The printer operations on a paged device: a QPrinter, or a PDF drawn
// into memory (QPdfWriter).

#include "PrinterSurface.h"

#include <QFont>
#include <QPainter>
#include <QPointF>

class QPagedPaintDevice;

class QtPrinterSurface : public PrinterSurface
{
public:
    explicit QtPrinterSurface(QPagedPaintDevice &device);
    ~QtPrinterSurface() override;

    void setJobTitle(const QString &title) override;
    void setLandscape() override;
    void setLineWidth(double millimetres) override;
    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    void setFontBold(bool bold) override;
    void setCurrentX(double x) override;
    void setCurrentY(double y) override;
    void print(const QString &text) override;
    double textWidth(const QString &text) const override;
    double textHeight(const QString &text) const override;
    void line(double x1, double y1, double x2, double y2, qint32 colour) override;
    void rectangle(double x1, double y1, double x2, double y2, qint32 colour) override;
    void paintPicture(const QPixmap &picture, double x, double y, double width, double height) override;
    bool newPage() override;
    bool endDoc() override;

    QString jobTitle() const { return m_title; }

private:
    // The page starts with the first drawing, once orientation is known.
    QPainter &painter();
    double dots(double millimetres) const;
    double millimetres(double dots) const;
    QPen pen(qint32 colour) const;

    QPagedPaintDevice &m_device;
    QString m_title;
    QPainter m_painter;
    bool m_failed = false;
    QFont m_font;
    double m_lineWidth = 0.2; // millimetres
    QPointF m_current; // millimetres
};
