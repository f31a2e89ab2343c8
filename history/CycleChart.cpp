#include "CycleChart.h"

#include "CycleForecast.h"

#include "BgrColour.h"
#include "MarkColors.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

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

void CycleChart::setNextRange(std::optional<std::pair<int, int>> days)
{
    m_nextRange = days;
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
    if (m_nextRange)
        text += QStringLiteral(" Faixa sombreada: o próximo deve durar de %1 a %2 dias (em cerca de %3 de cada %4 ciclos).")
                    .arg(m_nextRange->first)
                    .arg(m_nextRange->second)
                    .arg(CycleForecast::statedTimes)
                    .arg(CycleForecast::statedOutOf);
    return text;
}

QSize CycleChart::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * 48, fontMetrics().height() * 12};
}

CycleChart::Scale CycleChart::scaleFor(const QList<HistoryCycle> &shown)
{
    QList<int> counted, all;
    for (const HistoryCycle &cycle : shown) {
        all << cycle.length;
        if (cycle.counted)
            counted << cycle.length;
    }
    if (all.isEmpty())
        return {};
    const QList<int> &hers = counted.isEmpty() ? all : counted;
    Scale scale;
    scale.floor = std::max(0, *std::min_element(hers.begin(), hers.end()) - 10);
    scale.top = *std::max_element(hers.begin(), hers.end()) + 3;
    const int shortest = *std::min_element(all.begin(), all.end());
    const int longest = *std::max_element(all.begin(), all.end());
    if (shortest < CycleStatistics::shortestCountable) {
        scale.shortLimit = true;
        scale.floor = std::min(scale.floor, std::max(0, shortest - 2));
    }
    if (longest > CycleStatistics::longestCountable) {
        scale.longLimit = true;
        scale.top = std::max(scale.top, CycleStatistics::longestCountable + 5);
    }
    scale.floor -= scale.floor % 5;
    scale.top += (5 - scale.top % 5) % 5;
    return scale;
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
    const bool anyLeftOut = std::any_of(m_shown.begin(), m_shown.end(), [](const HistoryCycle &c) { return !c.counted; });
    // Below the bars: their dates, then the legend.
    // Right of the bars: the mean's name, level with its line.
    const QString mean = m_figures ? QStringLiteral("média %1").arg(CycleStatistics::days(m_figures->mean)) : QString();
    const QRect area = rect().adjusted(metrics.horizontalAdvance(QStringLiteral("000")) + 6, line + 4,
                                       -6 - (mean.isEmpty() ? 0 : metrics.horizontalAdvance(mean) + 6),
                                       -line * (anyLeftOut ? 3 : 2) - 4);
    painter.setPen(text);
    if (m_shown.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, words());
        return;
    }
    const Scale scale = scaleFor(m_shown);
    const int span = std::max(1, scale.top - scale.floor);
    auto yOf = [&](double days) {
        return area.bottom() - int(area.height() * (std::clamp(days, double(scale.floor), double(scale.top)) - scale.floor) / span);
    };

    // Behind the bars: where the next one should fall, else shortest to longest.
    if (m_figures) {
        QColor band = palette().color(QPalette::Highlight);
        band.setAlpha(45);
        const auto [low, high] = m_nextRange.value_or(std::pair{m_figures->shortest, m_figures->longest});
        painter.fillRect(QRect(QPoint(area.left(), yOf(high)), QPoint(area.right(), yOf(low))), band);
    }
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    const int step = span > 40 ? 20 : span > 20 ? 10 : 5;
    for (int days = scale.floor; days <= scale.top; days += step)
        painter.drawText(QRect(0, yOf(days) - line / 2, area.left() - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(days));
    QPen limit(text, 1, Qt::DotLine);
    for (const auto &[shown, days] : {std::pair{scale.shortLimit, CycleStatistics::shortestCountable},
                                      std::pair{scale.longLimit, CycleStatistics::longestCountable}}) {
        if (!shown)
            continue;
        painter.setPen(limit);
        painter.drawLine(area.left(), yOf(days), area.right(), yOf(days));
        painter.setPen(text);
        painter.drawText(QRect(area.left() + 2, yOf(days) - line, area.width(), line), Qt::AlignLeft | Qt::AlignBottom,
                         QStringLiteral("limite de %1 dias").arg(days));
    }
    // Spread over the width; a bar no wider than a few characters.
    const double slot = double(area.width()) / double(m_shown.size());
    const int barWidth = std::clamp(int(slot * 0.7), 2, metrics.horizontalAdvance(QStringLiteral("0000")));
    // Each bar's date under it: in a smaller face when the bars are narrow,
    // and only when even that is too wide, under every other one.
    QFont dateFont = font();
    int dateWidth = metrics.horizontalAdvance(QStringLiteral("00/00")) + 4;
    // The window's face is sized in pixels (Artwork), a desktop's in points.
    const bool pixels = dateFont.pixelSize() > 0;
    while (dateWidth > slot && (pixels ? dateFont.pixelSize() > 9 : dateFont.pointSizeF() > 7)) {
        if (pixels)
            dateFont.setPixelSize(dateFont.pixelSize() - 1);
        else
            dateFont.setPointSizeF(dateFont.pointSizeF() - 0.5);
        dateWidth = QFontMetrics(dateFont).horizontalAdvance(QStringLiteral("00/00")) + 2;
    }
    const int every = std::max(1, int(std::ceil(dateWidth / std::max(1.0, slot))));
    for (qsizetype i = 0; i < m_shown.size(); ++i) {
        const HistoryCycle &cycle = m_shown[i];
        const int centre = area.left() + int(slot * (double(i) + 0.5));
        const int x = centre - barWidth / 2;
        const QRect bar(QPoint(x, yOf(cycle.length)), QPoint(x + barWidth - 1, area.bottom()));
        if (cycle.counted)
            painter.fillRect(bar, fromBgr(MarkColors::markMaisP));
        else
            painter.fillRect(bar, QBrush(text, Qt::BDiagPattern));
        painter.drawRect(bar);
        if (cycle.length > scale.top) {
            // Cut at the top: two strokes say it goes on.
            painter.drawLine(x - 2, bar.top() + 6, x + barWidth + 2, bar.top() + 2);
            painter.drawLine(x - 2, bar.top() + 10, x + barWidth + 2, bar.top() + 6);
        }
        painter.drawText(QRect(centre - int(slot), bar.top() - line, 2 * int(slot), line), Qt::AlignHCenter | Qt::AlignBottom,
                         QString::number(cycle.length));
        if ((m_shown.size() - 1 - i) % every == 0) {
            painter.setFont(dateFont);
            painter.drawText(QRect(centre - dateWidth, area.bottom() + 2, 2 * dateWidth, line), Qt::AlignHCenter | Qt::AlignTop,
                             cycle.start.toString(QStringLiteral("dd/MM")));
            painter.setFont(font());
        }
    }
    if (m_figures) {
        const int y = yOf(m_figures->mean);
        painter.setPen(QPen(fromBgr(MarkColors::markMenosP), 2, Qt::DashLine));
        painter.drawLine(area.left(), y, area.right(), y);
        // Named at the line's end, where no bar's number is.
        painter.setPen(text);
        painter.drawText(QRect(area.right() + 6, y - line / 2, width() - area.right() - 6, line),
                         Qt::AlignLeft | Qt::AlignVCenter, mean);
    }
    if (anyLeftOut) {
        const int y = area.bottom() + line + 4;
        const QRect swatch(area.left(), y + 2, line - 4, line - 4);
        painter.fillRect(swatch, QBrush(text, Qt::BDiagPattern));
        painter.drawRect(swatch);
        painter.drawText(QRect(swatch.right() + 6, y, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("fora das contas"));
    }
}
