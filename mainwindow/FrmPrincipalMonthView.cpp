// The month calendar and its arrows.

#include "FrmPrincipal.h"

#include "BusyCursor.h"
#include "DateText.h"
#include "DayGrid.h"
#include "DayWords.h"
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
    // Each cell is given its text and words once: a screen reader hears of
    // the cells that change, not of every cell twice.
    const QStringList words = DayWords::dayDescriptions(layout, m_state.DayMarks, m_services.today(), m_informed);
    for (int cell = 0; cell < int(m_lblDia.size()); ++cell) {
        const int index = cell - layout.firstColumn;
        QLabel *label = m_lblDia[cell];
        if (index < 0 || index >= layout.dates.size()) {
            showDay(label, QString(), QString());
            continue;
        }
        const QDate &date = layout.dates[index];
        showDay(label, DateText::twoDigits(date.day()), words[index]);
        const qint32 colour = m_state.DayMarks.at(date.day(), date.month(), date.year());
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, MainWindowDesign::fromBgr(colour));
        label->setPalette(p);
    }
    describeMonth(layout);
    if (m_dayGrid)
        m_dayGrid->setMonth(layout.dates.first(), layout.firstColumn, m_services.today());
}

bool FrmPrincipal::showMonthOf(const QDate &day)
{
    // No month without marks in the table is ever shown.
    if (!day.isValid() || day.year() < DayMarkTable::firstYear || day.year() > DayMarkTable::lastYear)
        return false;
    const BusyCursor busy;
    m_state.ShownMonth = DateText::twoDigits(day.month());
    m_state.ShownYear = QString::number(day.year());
    ShowMonth(m_state.ShownMonth, m_state.ShownYear);
    return true; // said with the day it was turned to (DayGrid)
}

void FrmPrincipal::stepMonth(int months)
{
    const QDate shown = DateText::readDate(MonthGrid::firstOfMonthText(m_state.ShownMonth, m_state.ShownYear));
    if (!shown.isValid())
        return;
    if (showMonthOf(shown.addMonths(months)))
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
