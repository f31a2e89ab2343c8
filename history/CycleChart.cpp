#include "CycleChart.h"

#include "BgrColour.h"
#include "MarkColors.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {


} // namespace

CycleChart::CycleChart(QWidget *parent) : QWidget(parent)
{
    // Reached by Tab like the rest, so a screen reader says its words.
    setFocusPolicy(Qt::TabFocus);
    setMinimumSize(fontMetrics().averageCharWidth() * 30, fontMetrics().height() * 8);
}

void CycleChart::setCycles(const QList<HistoryCycle> &cycles)
{
    m_shown.clear();
    for (const HistoryCycle &cycle : cycles) {
        if (cycle.length > 0 && m_shown.size() < shownCycles)
            m_shown.prepend(cycle);
    }
    m_figures = CycleStatistics::figures(cycles);
    setAccessibleDescription(words());
    update();
}

QString CycleChart::words() const
{
    if (m_shown.isEmpty())
        return QStringLiteral("Ainda não há ciclos completos para mostrar.");
    QStringList lengths;
    for (const HistoryCycle &cycle : m_shown)
        lengths << QString::number(cycle.length)
                + (cycle.chosenOut ? QStringLiteral(" (fora das contas: %1)").arg(LeftOutCycles::reasonWord(*cycle.chosenOut))
                   : cycle.counted ? QString()
                                   : QStringLiteral(" (fora das contas)"));
    QString text = QStringLiteral("Duração dos ciclos, do mais antigo ao mais recente, em dias: %1.").arg(lengths.join(QStringLiteral(", ")));
    if (m_figures)
        text += QStringLiteral(" Média: %1 dias.").arg(CycleStatistics::days(m_figures->mean));
    return text;
}

QSize CycleChart::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * 48, fontMetrics().height() * 12};
}

void CycleChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::WindowText);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    const QRect area = rect().adjusted(metrics.horizontalAdvance(QStringLiteral("000")) + 6, line + 4, -6, -line - 4);
    painter.setPen(text);
    if (m_shown.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, words());
        return;
    }
    // The scale fits the program's longest cycle and hers; a far longer one is cut, its number still true.
    int top = CycleStatistics::longestCountable;
    for (const HistoryCycle &cycle : m_shown)
        top = std::max(top, std::min(cycle.length, 2 * CycleStatistics::longestCountable));
    auto yOf = [&](double days) { return area.bottom() - int(area.height() * std::min(days, double(top)) / top); };

    painter.drawLine(area.bottomLeft(), area.bottomRight());
    for (int days : {0, 20, 40, 60}) {
        if (days > top)
            break;
        painter.drawText(QRect(0, yOf(days) - line / 2, area.left() - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(days));
    }
    const double slot = double(area.width()) / shownCycles;
    const int barWidth = std::max(2, int(slot * 0.7));
    for (qsizetype i = 0; i < m_shown.size(); ++i) {
        const HistoryCycle &cycle = m_shown[i];
        const int x = area.left() + int(slot * double(i) + (slot - barWidth) / 2);
        const QRect bar(QPoint(x, yOf(cycle.length)), QPoint(x + barWidth - 1, area.bottom()));
        if (cycle.counted)
            painter.fillRect(bar, fromBgr(MarkColors::markMaisP));
        else
            painter.fillRect(bar, QBrush(text, Qt::BDiagPattern));
        painter.drawRect(bar);
        painter.drawText(QRect(x - int(slot), bar.top() - line, barWidth + 2 * int(slot), line),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(cycle.length));
    }
    if (m_figures) {
        const int y = yOf(m_figures->mean);
        QPen mean(fromBgr(MarkColors::markMenosP), 2, Qt::DashLine);
        painter.setPen(mean);
        painter.drawLine(area.left(), y, area.right(), y);
        painter.setPen(text);
        painter.drawText(QRect(area.left(), area.bottom() + 2, area.width(), line), Qt::AlignRight | Qt::AlignTop,
                         QStringLiteral("- - média: %1 dias").arg(CycleStatistics::days(m_figures->mean)));
    }
}
