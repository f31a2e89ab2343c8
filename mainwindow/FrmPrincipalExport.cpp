// The calendar area's menu: the month carried to the user's own calendar
// (iCalendar), kept as a PDF, or printed.

#include "FrmPrincipal.h"

#include "ConsultationTexts.h"
#include "DayGrid.h"
#include "MainWindowTexts.h"
#include "PictureBox.h"
#include "fQuintrela.h"

#include <QAction>
#include <QDateTime>
#include <QMenu>

void FrmPrincipal::createCalendarMenu()
{
    using namespace MainWindowTexts;
    auto command = [this](const QString &text, const QKeySequence &keys, void (FrmPrincipal::*run)()) {
        // The keys written after a tab: the menu draws them where Qt would,
        // and a screen reader, which reads the text alone, says them too.
        auto *action = new QAction(text + u'\t' + keys.toString(QKeySequence::NativeText), this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, run);
        addAction(action); // its keys work anywhere in the window
        m_calendarMenu->addAction(action);
    };
    m_calendarMenu = new QMenu(this);
    m_calendarMenu->setAccessibleName(calendarMenuName);
    command(exportAction, QKeySequence(Qt::CTRL | Qt::Key_E), &FrmPrincipal::exportToCalendar);
    command(pdfAction, QKeySequence(Qt::CTRL | Qt::Key_S), &FrmPrincipal::savePdf);
    command(printAction, QKeySequence(Qt::CTRL | Qt::Key_P), &FrmPrincipal::imgImprimirClick);
    command(historyAction, QKeySequence(Qt::CTRL | Qt::Key_H), &FrmPrincipal::openHistory);
    m_ui.imgFigCalendario->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui.imgFigCalendario, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) {
                m_menuDay = m_dayGrid->dayOf(m_ui.imgFigCalendario->childAt(at));
                m_calendarMenu->popup(m_ui.imgFigCalendario->mapToGlobal(at));
            });
}

void FrmPrincipal::openCalendarMenu(const QPoint &at)
{
    // Opened by a key: its first command is in focus, and said.
    m_calendarMenu->popup(at);
    m_calendarMenu->setActiveAction(m_calendarMenu->actions().constFirst());
}

bool FrmPrincipal::isMenuKey(const QKeySequence &keys) const
{
    const QList<QAction *> actions = m_calendarMenu->actions();
    return std::any_of(actions.begin(), actions.end(), [&](const QAction *a) { return a->shortcut() == keys; });
}

void FrmPrincipal::exportToCalendar()
{
    using namespace MainWindowTexts;
    if (const auto nothing = m_files.nothingToExport()) {
        tell(nothing, exportTitle);
        return;
    }
    tell(m_files.leavingProtection(), exportTitle);
    const QString path = m_services.chooseSavePath(this, exportTitle, m_files.suggestedExportPath(), exportFilter);
    if (path.isEmpty())
        return;
    const CalendarFiles::Saved saved = m_files.exportTo(path, QDateTime::currentDateTimeUtc(),
                                                        m_forecast ? m_forecast->calendarRange : std::nullopt);
    tell(saved.failure, ConsultationTexts::errorTitle);
    if (!saved.failure)
        tellSaved(saved.sentence);
}
