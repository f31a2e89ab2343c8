#pragma once
// The printer operations on a QPrinter: the system's default printer or a
// PDF file.

#include "PrinterSurface.h"

#include <QFont>
#include <QPainter>
#include <QPointF>

class QPrinter;

class QtPrinterSurface : public PrinterSurface
{
public:
    explicit QtPrinterSurface(QPrinter &printer);
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
    bool endDoc() override;

private:
    // The page starts with the first drawing, once orientation is known.
    QPainter &painter();
    double dots(double millimetres) const;
    double millimetres(double dots) const;
    QPen pen(qint32 colour) const;

    QPrinter &m_printer;
    QPainter m_painter;
    bool m_failed = false;
    QFont m_font;
    double m_lineWidth = 0.2; // millimetres
    QPointF m_current; // millimetres
};
