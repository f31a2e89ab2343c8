// The window by keyboard and in words: the days' walk, the month keys, and
// the sentences said after a consultation or a month step.

#include "FrmPrincipal.h"

#include "AccessibleFactory.h"
#include "Announcer.h"
#include "CurrentItemTeller.h"
#include "DateText.h"
#include "DayGrid.h"
#include "DayWords.h"
#include "ImageButton.h"
#include "MainWindowDesign.h"
#include "MainWindowTexts.h"
#include "MonthGrid.h"
#include "PictureBox.h"
#include "SavedLine.h"
#include "fQuintrela.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

void FrmPrincipal::createKeysAndWords()
{
    describeWindow();
    // The days, between the arrows and the banners.
    m_dayGrid = new DayGrid(
        m_ui.lblDia, m_ui.imgGoRight, m_ui.imgQuintrela, [this](const QDate &day) { return showMonthOf(day); },
        [this](const QPoint &at) { openCalendarMenu(at); },
        [this](const QString &day) { m_ui.announcer->announce(m_monthSentence + u' ' + day + u'.'); });

    // Keys beside the pictures: months without the mouse (printing is in
    // the calendar's menu).
    auto *previous = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(previous, &QShortcut::activated, this, &FrmPrincipal::imgGoLeftClick);
    auto *next = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(next, &QShortcut::activated, this, &FrmPrincipal::imgGoRightClick);
}

void FrmPrincipal::showDay(QLabel *cell, const QString &text, const QString &words)
{
    // A label with a name of its own tells nothing of its text: the words
    // come first when there are any, last when the cell goes blank, so a
    // changed cell is one event and a blank one none.
    if (!words.isEmpty())
        AccessibleFactory::setSpokenName(cell, words);
    cell->setText(text);
    if (words.isEmpty())
        AccessibleFactory::setSpokenName(cell, words);
    cell->setToolTip(words);
}

void FrmPrincipal::describeMonth(const MonthGrid::Layout &layout)
{
    const QDate today = m_services.today();
    m_monthSentence = DayWords::monthSummary(layout, m_state.DayMarks, today, m_informed);
    m_ui.imgFigCalendario->setAccessibleDescription(m_monthSentence + u' ' + MainWindowTexts::calendarKeys);
}

void FrmPrincipal::announceMonth()
{
    m_ui.announcer->announce(m_monthSentence);
}

void FrmPrincipal::describeWindow()
{
    // Said again at every return to the window: once gone, the notice is not.
    setAccessibleDescription(m_ui.picPrevinir->isHidden() || m_noticeSaid ? QString() : MainWindowDesign::lblSexoSafeText);
}

void FrmPrincipal::announceStoredData(const QString &date, const QString &cycle)
{
    const QDate day = DateText::readDate(date);
    m_ui.announcer->announce(MainWindowTexts::storedData.arg(day.isValid() ? DayWords::longDate(day) : date, cycle));
}

void FrmPrincipal::tellSaved(const QString &sentence)
{
    m_ui.announcer->announce(sentence);
    m_savedLine->tell(sentence);
}
