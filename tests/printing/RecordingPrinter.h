#pragma once
// A printer that keeps every operation, with simple exact metrics: a text
// is 0.2 mm per point per character wide and 0.4 mm per point high.

#include "PrinterSurface.h"

#include <QList>

struct PrintedText
{
    QString text;
    double x, y, size;
    bool bold;
    QString font;
};

struct DrawnLine
{
    double x1, y1, x2, y2;
    qint32 colour;
    bool rectangle;
};

struct DrawnPicture
{
    qint64 key;
    double x, y, w, h;
};

class RecordingPrinter : public PrinterSurface
{
public:
    QList<PrintedText> texts;
    QList<DrawnLine> lines;
    QList<DrawnPicture> pictures;
    bool landscape = false;
    double lineWidth = 0;
    QString jobTitle;
    int ends = 0;
    int pages = 1;
    bool drawnBeforeSetup = false;

    void setLandscape() override { landscape = true; }
    void setLineWidth(double millimetres) override { lineWidth = millimetres; }
    void setJobTitle(const QString &title) override
    {
        if (!lines.isEmpty() || !texts.isEmpty())
            drawnBeforeSetup = true;
        jobTitle = title;
    }
    void setFontName(const QString &name) override { m_font = name; }
    void setFontSize(double points) override { m_size = points; }
    void setFontBold(bool bold) override { m_bold = bold; }
    void setCurrentX(double x) override { m_x = x; }
    void setCurrentY(double y) override { m_y = y; }
    void print(const QString &text) override
    {
        texts.append({text, m_x, m_y, m_size, m_bold, m_font});
        m_y += textHeight(text);
    }
    double textWidth(const QString &text) const override { return 0.2 * m_size * double(text.size()); }
    double textHeight(const QString &) const override { return 0.4 * m_size; }
    void line(double x1, double y1, double x2, double y2, qint32 colour) override
    {
        noteDrawing();
        lines.append({x1, y1, x2, y2, colour, false});
    }
    void rectangle(double x1, double y1, double x2, double y2, qint32 colour) override
    {
        noteDrawing();
        lines.append({x1, y1, x2, y2, colour, true});
    }
    void paintPicture(const QPixmap &picture, double x, double y, double w, double h) override
    {
        pictures.append({picture.cacheKey(), x, y, w, h});
    }
    bool newPage() override
    {
        ++pages;
        return true;
    }
    bool endDoc() override
    {
        ++ends;
        return true;
    }

    const PrintedText *find(const QString &text) const
    {
        for (const PrintedText &t : texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }

private:
    void noteDrawing()
    {
        if (!landscape || lineWidth == 0 || jobTitle.isEmpty())
            drawnBeforeSetup = true;
    }
    QString m_font;
    double m_size = 0;
    bool m_bold = false;
    double m_x = 0, m_y = 0;
};
