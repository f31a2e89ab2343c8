#pragma once
// Her cycle lengths as bars, oldest on the left, the mean as a line. Drawn
// in the calendar's colours on the window's own palette, so it reads in a
// dark theme; a screen reader gets the same lengths in words.

#include "CycleStatistics.h"

#include <QWidget>

class CycleChart : public QWidget
{
    Q_OBJECT
public:
    explicit CycleChart(QWidget *parent = nullptr);

    // Newest first, as CycleStatistics gives them.
    void setCycles(const QList<HistoryCycle> &cycles);
    // Where her next cycle's length should fall (8 times in 10): the band
    // behind the bars; without it, her shortest to longest.
    void setNextRange(std::optional<std::pair<int, int>> days);
    // What the bars show, in words.
    QString words() const;

    QSize sizeHint() const override;

    // Bars for at most this many recent cycles.
    static constexpr int shownCycles = 24;

    // The days the chart spans: from ten below her shortest to a little above
    // her longest, so that 27 and 31 look apart; the counting limits (16, 60)
    // come in only when a cycle passes them, and a far longer one is cut.
    struct Scale
    {
        int floor = 0;
        int top = 0;
        bool shortLimit = false; // 16 is drawn
        bool longLimit = false;  // 60 is drawn
        bool operator==(const Scale &) const = default;
    };
    // Oldest first, completed cycles only.
    static Scale scaleFor(const QList<HistoryCycle> &shown);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<HistoryCycle> m_shown; // oldest first, completed cycles only
    std::optional<CycleFigures> m_figures;
    std::optional<std::pair<int, int>> m_nextRange;
};
