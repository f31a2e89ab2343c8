// Her name under a passphrase: protected, opened, locked. The session keeps
// what is open; the consultation consults her from her sealed history.

#include "FrmPrincipal.h"

#include "ConsultationTexts.h"
#include "DateText.h"
#include "FrmAbrirProtegido.h"
#include "FrmProteger.h"
#include "ProtectedReminders.h"
#include "ProtectionTexts.h"
#include "ReminderSetting.h"
#include "fQuintrela.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

using namespace ProtectionTexts;

namespace {

// Her use of the program, wherever in it: the minutes without use start again.
class Activity : public QObject
{
public:
    explicit Activity(ProtectionSession &session, QObject *parent) : QObject(parent), m_session(session) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
            m_session.touch();
        return false;
    }

private:
    ProtectionSession &m_session;
};

} // namespace

void FrmPrincipal::createProtection()
{
    auto command = [this](const QString &text, const QKeySequence &keys, void (FrmPrincipal::*run)()) {
        auto *action = new QAction(keys.isEmpty() ? text : text + u'\t' + keys.toString(QKeySequence::NativeText), this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
        m_calendarMenu->addAction(action);
    };
    m_calendarMenu->addSeparator();
    command(protectAction, {}, &FrmPrincipal::protectName);
    command(openAction, QKeySequence(Qt::CTRL | Qt::Key_O), &FrmPrincipal::openProtected);
    command(lockAction, QKeySequence(Qt::CTRL | Qt::Key_L), &FrmPrincipal::lockProtected);
    command(idleAction, {}, &FrmPrincipal::chooseIdleMinutes);
    command(changeAction, {}, &FrmPrincipal::changePassphrase);
    command(ProtectionTexts::removeAction, {}, &FrmPrincipal::removeProtection);
    command(eraseAction, {}, &FrmPrincipal::eraseProtected);
    // Before the consultation reads her history: the starts she confirmed are in it.
    connect(&m_session, &ProtectionSession::opened, this, [this](const QString &name) {
        m_confirmedByReminder = keepProtectedReminder();
        m_consultation.openProtected(name, *m_session.store());
    });
    connect(&m_session, &ProtectionSession::closing, this, &FrmPrincipal::keepProtectedReminder);
    connect(&m_session, &ProtectionSession::renamed, this, [this](const QString &from, const QString &to) {
        ProtectedReminders(m_session.folder()).move(from, to);
    });
    connect(&m_session, &ProtectionSession::locked, this, &FrmPrincipal::whenLocked);
    qApp->installEventFilter(new Activity(m_session, this));
}

void FrmPrincipal::protectName()
{
    const QString name = DateText::trimBlanks(m_ui.cmbNome->currentText());
    if (name.isEmpty()) {
        m_services.message(this, QMessageBox::Information, protectTitle, noName);
        m_ui.cmbNome->setFocus();
        return;
    }
    if (m_session.isOpen() && m_consultation.isProtected(name)) {
        tellSaved(protectedNow.arg(name));
        return;
    }
    FrmProteger dialog(name, FrmProteger::Purpose::Protect, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const HistoryProblem problem = m_session.protect(name, dialog.passphrase());
    QApplication::restoreOverrideCursor();
    if (problem) {
        m_services.message(this, QMessageBox::Warning, protectTitle, notProtected.arg(name, problem.sentence()));
        return;
    }
    takeNewNames();
    // A reminder she turned on for her open name keeps nothing outside her
    // sealed file until she chooses it again, told what that keeps there.
    const HistoryStore sealed = *m_session.store();
    if (ReminderSetting::chosen(sealed, m_session.name())
        && !ReminderSetting::choose(sealed, m_session.name(), std::nullopt, QCoreApplication::applicationFilePath(),
                                    ReminderSetting::Sealed{m_session.file(), m_services.today()})
                .history) {
        tellSaved(protectedNow.arg(name) + u' ' + reminderTurnedOff);
        return;
    }
    tellSaved(protectedNow.arg(name));
}

void FrmPrincipal::openProtected()
{
    FrmAbrirProtegido dialog([this](const QString &name, const QString &passphrase) { return m_session.open(name, passphrase); },
                             [this] { return m_session.waitLeft(); }, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    takeNewNames();
    const Consultation::Remembered found = m_consultation.remembered(m_session.name());
    if (found.record)
        showFields({found.record->Nome, found.record->Ultima, found.record->Periodo});
    else
        showFields({m_session.name(), m_ui.txtUltima->text(), m_ui.txtPeriodo->text()});
    QStringList confirmed;
    for (const QDate &start : std::exchange(m_confirmedByReminder, {}))
        confirmed << DateText::formatDdMmYyyy(start);
    tellSaved(openedNow.arg(m_session.name())
              + (confirmed.isEmpty() ? QString() : u' ' + confirmedByReminder.arg(confirmed.join(QStringLiteral(", ")))));
}

QList<QDate> FrmPrincipal::keepProtectedReminder()
{
    const ProtectedReminders::Brought brought =
        ProtectedReminders(m_session.folder()).keep(m_session.file(), *m_session.store(), m_session.name(), m_services.today());
    // Her session's entry follows: a reminder erased with her data takes it away.
    if (brought.changed)
        ReminderSetting::settle(m_session.folder(), QCoreApplication::applicationFilePath());
    return brought.added;
}

void FrmPrincipal::lockProtected()
{
    m_session.lock();
}

// Her name, fields and marks leave the screen; the month of today is shown.
void FrmPrincipal::whenLocked()
{
    m_consultation.lock();
    showForecast(std::nullopt);
    m_files.setProtected(false);
    showFields({QString(), QString(), QString()});
    takeNewNames();
    m_informed = {};
    reloadNotes();
    ShowMonth(m_state.shownMonthStart());
    tellSaved(lockedNow);
}

// What is done to her protected data needs it open: told how, otherwise.
bool FrmPrincipal::tellIfNotOpen()
{
    if (m_session.isOpen())
        return false;
    m_services.message(this, QMessageBox::Information, openTitle, notOpenYet);
    return true;
}

void FrmPrincipal::chooseIdleMinutes()
{
    if (tellIfNotOpen())
        return;
    const QString name = m_session.name();
    const std::optional<int> minutes =
        m_services.askNumber(this, idleTitle, idleLabel.arg(name), m_session.idleMinutes(),
                             ProtectionSession::fewestIdleMinutes, ProtectionSession::mostIdleMinutes);
    if (!minutes)
        return;
    if (const HistoryProblem problem = m_session.setIdleMinutes(*minutes))
        m_services.message(this, QMessageBox::Warning, idleTitle, notChanged.arg(problem.sentence()));
    else
        tellSaved(idleNow.arg(name).arg(*minutes));
}

void FrmPrincipal::changePassphrase()
{
    if (tellIfNotOpen())
        return;
    const QString name = m_session.name();
    FrmProteger dialog(name, FrmProteger::Purpose::NewPassphrase, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const HistoryProblem problem = m_session.changePassphrase(dialog.passphrase());
    QApplication::restoreOverrideCursor();
    if (problem)
        m_services.message(this, QMessageBox::Warning, changeTitle, notChanged.arg(problem.sentence()));
    else
        tellSaved(changedNow.arg(name));
}

void FrmPrincipal::removeProtection()
{
    if (tellIfNotOpen())
        return;
    const QString name = m_session.name();
    if (!m_services.askToDestroy(this, protectTitle, removeQuestion.arg(name)))
        return;
    if (const HistoryProblem problem = m_session.unprotect()) {
        m_services.message(this, QMessageBox::Warning, protectTitle, notChanged.arg(problem.sentence()));
        return;
    }
    tellSaved(removedNow.arg(name));
}

void FrmPrincipal::eraseProtected()
{
    if (tellIfNotOpen())
        return;
    const QString name = m_session.name();
    // Asked twice: nothing brings these dates back.
    if (!m_services.askToDestroy(this, protectTitle, eraseQuestion.arg(name))
        || !m_services.askToDestroy(this, protectTitle, eraseAgain.arg(name)))
        return;
    if (const HistoryProblem problem = m_session.eraseAll()) {
        m_services.message(this, QMessageBox::Warning, protectTitle, notChanged.arg(problem.sentence()));
        return;
    }
    tellSaved(erasedNow.arg(name));
}
