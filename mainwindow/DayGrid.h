#pragma once
// The month's days walked by keyboard: Tab enters them (at today, else the
// day last visited, else day 1) and leaves them; the arrows, Home, End,
// Page Up and Page Down move between days, turning the month at its edges;
// the Menu key and Shift+F10 open the calendar's menu; Enter and a double
// click open the day (its note). Only the day in focus is a Tab stop. A
// dotted frame marks it when the focus came from the keyboard; nothing else
// drawn changes.

#include <QDate>
#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

class QLabel;
class QWidget;

class DayGrid : public QObject
{
    Q_OBJECT
public:
    // cells: the 42 day labels of the calendar; before and after: the Tab
    // stops around the days. showMonthOf shows the month of a date; it is
    // false when that month cannot be shown. sayDay has a day said with its
    // month: when the month turned under it (said in one sentence, so that
    // neither cuts the other off), and when it took the place of the one in
    // focus in the same cell (28 February, then 28 March), where the focus
    // does not move, so no screen reader would say it.
    DayGrid(const std::array<QLabel *, 42> &cells, QWidget *before, QWidget *after,
            std::function<bool(const QDate &)> showMonthOf, std::function<void(const QPoint &)> openMenu,
            std::function<void(const QString &)> sayDay);

    // The month on view: first is day 1, in cell firstColumn; today is
    // where Tab enters when it is in this month.
    void setMonth(const QDate &first, int firstColumn, const QDate &today);

    QDate focusedDay() const;
    // Enter on a day, or a double click: the day opened (its note).
    void setOpenDay(std::function<void(const QDate &)> openDay) { m_openDay = std::move(openDay); }
    // The day of a cell, or none for a blank one.
    QDate dayOf(const QObject *cell) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *cellOf(const QDate &day) const;
    void moveTo(const QDate &day);
    void updateTabStop();
    void placeFrame();

    std::array<QLabel *, 42> m_cells{};
    QPointer<QWidget> m_before;
    QPointer<QWidget> m_after;
    std::function<bool(const QDate &)> m_showMonthOf;
    std::function<void(const QPoint &)> m_openMenu;
    std::function<void(const QString &)> m_sayDay;
    std::function<void(const QDate &)> m_openDay;
    QWidget *m_frame = nullptr;
    QLabel *m_entry = nullptr; // the one day Tab stops at
    QDate m_first;
    int m_firstColumn = 0;
    QDate m_today;
    QDate m_visited; // the day last in focus
};
