#include "PictureBox.h"

#include "MainWindowDesign.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(MainWindowDesign::pictureBorder);
    setAutoFillBackground(true);
}

void PictureBox::setBackground(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QColor PictureBox::background() const
{
    return palette().color(QPalette::Window);
}

void PictureBox::addLine(const QLine &line, const QColor &colour, int width)
{
    m_lines.append({line, colour, width});
    update();
}

QRect PictureBox::placeInside(const QRect &inner)
{
    return inner.translated(MainWindowDesign::pictureBorder, MainWindowDesign::pictureBorder);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        // Lines stay inside the border: the box clips what lies beyond.
        painter.setClipRect(contentsRect());
        for (const DrawnLine &l : m_lines) {
            painter.setPen(QPen(l.colour, l.width, Qt::SolidLine, Qt::FlatCap));
            // A two-pixel line covers the design row and the one below it.
            const QPointF shift(MainWindowDesign::pictureBorder, MainWindowDesign::pictureBorder + l.width / 2.0);
            painter.drawLine(QLineF(l.line).translated(shift));
        }
    }
    QFrame::paintEvent(event);
}
