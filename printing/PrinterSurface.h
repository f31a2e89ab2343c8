#pragma once
// The printer operations the printed calendar is drawn with, in millimetres
// from the top left corner of the printable area; font sizes in points.
// A page goes to a real printer or a PDF file alike.

#include <QPixmap>
#include <QString>

class PrinterSurface
{
public:
    virtual ~PrinterSurface() = default;

    // The print job's name in the printer's queue; before anything is drawn.
    virtual void setJobTitle(const QString &title) = 0;
    virtual void setLandscape() = 0;
    // Width of lines, in millimetres whatever the printer's resolution.
    virtual void setLineWidth(double millimetres) = 0;

    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool bold) = 0;

    // Where the next text places its top left corner.
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    virtual void print(const QString &text) = 0;
    virtual double textWidth(const QString &text) const = 0;
    virtual double textHeight(const QString &text) const = 0;

    // Colours are 0x00BBGGRR.
    virtual void line(double x1, double y1, double x2, double y2, qint32 colour) = 0;
    virtual void rectangle(double x1, double y1, double x2, double y2, qint32 colour) = 0;
    virtual void paintPicture(const QPixmap &picture, double x, double y, double width, double height) = 0;

    // What follows is drawn on a new page; false when there is none.
    virtual bool newPage() = 0;
    // Sends the page; false when it could not be printed.
    virtual bool endDoc() = 0;
};
