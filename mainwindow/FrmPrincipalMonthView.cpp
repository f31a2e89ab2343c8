// The month calendar and its arrows.

#include "FrmPrincipal.h"

#include "BusyCursor.h"
#include "DateText.h"
#include "DayMarkTable.h"
#include "MainWindowDesign.h"
#include "MonthGrid.h"
#include "fQuintrela.h"

#include <QLabel>

void FrmPrincipal::ShowMonth(const QString &month, const QString &year)
{
    const MonthGrid::Layout layout = MonthGrid::layout(month, year);
    if (!layout.valid)
        return;
    m_lblMes->setText(layout.caption);
    for (QLabel *cell : m_lblDia)
        cell->setText(QString());
    int cell = layout.firstColumn;
    for (const QDate &date : layout.dates) {
        QLabel *label = m_lblDia[cell++];
        label->setText(DateText::twoDigits(date.day()));
        const qint32 colour = m_state.DayMarks.at(date.day(), date.month(), date.year());
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, MainWindowDesign::fromBgr(colour));
        label->setPalette(p);
    }
    describeMonth(layout);
}

void FrmPrincipal::stepMonth(int months)
{
    const QDate shown = DateText::readDate(MonthGrid::firstOfMonthText(m_state.ShownMonth, m_state.ShownYear));
    if (!shown.isValid())
        return;
    const QDate target = shown.addMonths(months);
    // No month without marks in the table is ever shown.
    if (target.year() < DayMarkTable::firstYear || target.year() > DayMarkTable::lastYear)
        return;
    const BusyCursor busy;
    const QString text = DateText::formatDdMmYyyy(target);
    m_state.ShownMonth = text.mid(3, 2);
    m_state.ShownYear = text.right(4);
    ShowMonth(m_state.ShownMonth, m_state.ShownYear);
    announceMonth();
}

void FrmPrincipal::imgGoLeftClick()
{
    stepMonth(-1);
}

void FrmPrincipal::imgGoRightClick()
{
    stepMonth(1);
}
