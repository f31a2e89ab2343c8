// The calendar area's menu: the month carried to the user's own calendar
// (iCalendar), kept as a PDF, or printed.

#include "FrmPrincipal.h"

#include "CalendarExport.h"
#include "MainWindowTexts.h"
#include "PictureBox.h"
#include "SaveLocation.h"
#include "fQuintrela.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
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
    m_imgFigCalendario->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_imgFigCalendario, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_calendarMenu->popup(m_imgFigCalendario->mapToGlobal(at)); });
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
    if (m_state.Projection.isEmpty()) {
        m_services.message(this, QMessageBox::Information, exportTitle, nothingToExport);
        return;
    }
    const QString suggested = SaveLocation::suggested(
        QStringLiteral("Quintrela %1.ics").arg(SaveLocation::fileNameFor(m_state.CurrentName)));
    const QString path = m_services.chooseSavePath(this, exportTitle, suggested, exportFilter);
    if (path.isEmpty())
        return;
    if (const FileProblem problem =
            CalendarExport::save(path, m_state.CurrentName, m_state.Projection, QDateTime::currentDateTimeUtc()))
        m_services.message(this, QMessageBox::Critical, errorTitle, exportFailed.arg(problem.sentence()));
    else
        tellSaved(exportSaved.arg(QDir::toNativeSeparators(path)));
}
