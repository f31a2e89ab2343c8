#include "ImageButton.h"

#include <QKeyEvent>
#include <QPainter>

ImageButton::ImageButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void ImageButton::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    update();
}

void ImageButton::setBorderStyle(int style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

QSize ImageButton::sizeHint() const
{
    return m_pixmap.deviceIndependentSize().toSize();
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // A 2x picture on a screen at 1.5x is shrunk, smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          !qFuzzyCompare(m_pixmap.devicePixelRatio(), devicePixelRatio()));
    painter.drawPixmap(0, 0, m_pixmap);
    if (m_borderStyle == 1) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // As Qt's own styles: the window remembers that the focus came by the
    // keyboard, so the frame comes back after a message box or a visit to
    // another window.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void ImageButton::keyPressEvent(QKeyEvent *event)
{
    // Enter presses a focused button, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ImageButton::focusInEvent(QFocusEvent *event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
    QAbstractButton::focusInEvent(event);
}
