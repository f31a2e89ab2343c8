#include "OptionButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

OptionButton::OptionButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{
}

QRect OptionButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    return rect().adjusted(indicator + spacing, 0, 0, 0);
}

void OptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The circle, vertically centred; the caption is drawn wrapped next to it.
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this);
    const int indicatorHeight = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this);
    option.rect = QRect(0, (height() - indicatorHeight) / 2, indicator, indicatorHeight);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(captionRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
