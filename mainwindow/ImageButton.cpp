#include "ImageButton.h"

#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageButton::setBorderStyle(int style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ImageButton::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (m_borderStyle == 1) {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
