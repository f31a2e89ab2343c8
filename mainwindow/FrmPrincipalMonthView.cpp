// The month calendar and its arrows.

#include "FrmPrincipal.h"

#include "BusyCursor.h"
#include "DateText.h"
#include "DayGrid.h"
#include "DayWords.h"
#include "FertileMark.h"
#include "ForecastTexts.h"
#include "MainWindowDesign.h"
#include "MonthGrid.h"
#include "NoteMark.h"
#include "fQuintrela.h"

#include <QLabel>

void FrmPrincipal::ShowMonth(const QDate &month)
{
    const MonthGrid::Layout layout = MonthGrid::layout(month.month(), month.year());
    if (!layout.valid)
        return;
    m_ui.lblMes->setText(layout.caption);
    // Each cell is given its text and words once: a screen reader hears of
    // the cells that change, not of every cell twice.
    const QStringList words = DayWords::dayDescriptions(layout, m_state.DayMarks, m_services.today(), m_informed);
    for (int cell = 0; cell < int(m_ui.lblDia.size()); ++cell) {
        const int index = cell - layout.firstColumn;
        QLabel *label = m_ui.lblDia[cell];
        if (index < 0 || index >= layout.dates.size()) {
            showDay(label, QString(), QString());
            m_noteMarks[size_t(cell)]->hide();
            m_fertileMarks[size_t(cell)]->hide();
            continue;
        }
        const QDate &date = layout.dates[index];
        const QString noted = m_notes.wordsFor(date);
        QString said = words[index];
        const bool fertile = isFertileByHistory(date);
        if (fertile)
            said += QStringLiteral(". ") + ForecastTexts::fertileDay;
        if (!noted.isEmpty())
            said += QStringLiteral(". ") + noted;
        showDay(label, DateText::twoDigits(date.day()), said);
        m_noteMarks[size_t(cell)]->setVisible(!noted.isEmpty());
        m_fertileMarks[size_t(cell)]->setVisible(fertile && m_forecast->fertileShown);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, fromBgr(m_state.DayMarks.at(date)));
        label->setPalette(p);
    }
    describeMonth(layout);
    if (m_dayGrid)
        m_dayGrid->setMonth(layout.dates.first(), layout.firstColumn, m_services.today());
}

bool FrmPrincipal::showMonthOf(const QDate &day)
{
    // No month without marks in the table is ever shown.
    if (!Consultation::canShow(day))
        return false;
    const BusyCursor busy;
    m_state.setShownMonth(day);
    ShowMonth(m_state.shownMonthStart());
    return true; // said with the day it was turned to (DayGrid)
}

void FrmPrincipal::stepMonth(int months)
{
    if (const std::optional<QDate> next = m_consultation.monthAfter(months); next && showMonthOf(*next))
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
