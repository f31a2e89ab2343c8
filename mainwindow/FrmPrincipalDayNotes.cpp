// Her notes of her days: "Anotar o dia…", the fold on each noted day, and
// the note said with the day.

#include "FrmPrincipal.h"

#include "DayGrid.h"
#include "DayNoteTexts.h"
#include "DayWords.h"
#include "FrmAnotar.h"
#include "NoteMark.h"
#include "fQuintrela.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

using namespace DayNoteTexts;

void FrmPrincipal::createDayNotes()
{
    auto *action = new QAction(noteAction + u'\t' + QKeySequence(Qt::CTRL | Qt::Key_D).toString(QKeySequence::NativeText),
                               this);
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(action, &QAction::triggered, this, [this] { noteDay(dayToNote()); });
    addAction(action);
    m_calendarMenu->addAction(action);
    auto *printed = new QAction(printNotesAction, this);
    printed->setCheckable(true);
    connect(printed, &QAction::toggled, this, [this](bool on) { m_printNotes = on; });
    m_calendarMenu->addAction(printed);
    for (size_t cell = 0; cell < m_ui.lblDia.size(); ++cell)
        m_noteMarks[cell] = new NoteMark(m_ui.lblDia[cell]);
    m_dayGrid->setOpenDay([this](const QDate &day) { noteDay(day); });
    // The menu opened over a day is that day's.
    connect(m_calendarMenu, &QMenu::aboutToHide, this, [this] {
        QMetaObject::invokeMethod(this, [this] { m_menuDay = {}; }, Qt::QueuedConnection);
    });
}

// The day the menu was opened over, else the day in focus, else today.
QDate FrmPrincipal::dayToNote() const
{
    if (m_menuDay.isValid())
        return m_menuDay;
    if (const QDate focused = m_dayGrid->dayOf(QApplication::focusWidget()); focused.isValid())
        return focused;
    return m_services.today();
}

void FrmPrincipal::reloadNotes()
{
    if (m_state.CurrentName.isEmpty()) {
        m_notes.clear();
        return;
    }
    const HistoryProblem problem = m_notes.load(m_state.CurrentName, m_consultation.historyOf(m_state.CurrentName));
    // Told by the consultation when her history cannot be read; none are shown then.
    if (problem)
        m_notes.clear();
}

void FrmPrincipal::noteDay(const QDate &day)
{
    if (!m_notes.isOpen()) {
        m_services.message(this, QMessageBox::Information, noteTitle, noName);
        m_ui.cmbNome->setFocus();
        return;
    }
    const QDate today = m_services.today();
    if (day > today) {
        m_services.message(this, QMessageBox::Information, noteTitle, noFutureDay);
        return;
    }
    FrmAnotar dialog(day, today,
                     {[this](const QDate &d) { return m_notes.at(d); }, [this](const QDate &d) { return m_notes.isStart(d); },
                      m_notes.ownSymptoms()},
                     this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const DayNote note = dialog.note();
    const bool wasNoted = m_notes.has(note.day);
    if (const HistoryProblem problem = m_notes.save(note, dialog.started())) {
        m_services.message(this, QMessageBox::Warning, noteTitle,
                           notSaved.arg(DayWords::longDate(note.day), problem.sentence()));
        return;
    }
    ShowMonth(m_state.shownMonthStart());
    if (note.isEmpty() && wasNoted)
        tellSaved(removedNow.arg(DayWords::longDate(note.day)));
    else if (!note.isEmpty() || dialog.started())
        tellSaved(savedNow.arg(DayWords::longDate(note.day)));
}
