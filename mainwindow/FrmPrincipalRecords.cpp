// The name list and the input fields' own behaviour.

#include "FrmPrincipal.h"

#include "DateText.h"
#include "ImageButton.h"
#include "MainWindowTexts.h"
#include "PictureBox.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

void FrmPrincipal::ReFillData()
{
    const UserRecordsFile::NamesResult read = m_records.readNames();
    const QSignalBlocker blocker(m_cmbNome);
    m_cmbNome->clear();
    m_cmbNome->addItems(read.names);
    // Filling the list picks no name.
    m_cmbNome->setCurrentIndex(-1);
    m_cmbNome->setEditText(QString());
    reportUnreadable(read.ok, read.problem);
}

void FrmPrincipal::reportUnreadable(bool readOk, const FileProblem &problem)
{
    // Once per failure: a consultation refills the list right after saving.
    if (!readOk && !m_toldRecordsUnreadable)
        m_services.message(this, QMessageBox::Warning, MainWindowTexts::errorTitle,
                           MainWindowTexts::recordsUnreadable.arg(problem.sentence()).trimmed());
    m_toldRecordsUnreadable = !readOk;
}

void FrmPrincipal::FillData()
{
    const UserRecordsFile::ReadResult read = m_records.readAll();
    reportUnreadable(read.ok, read.problem);
    if (!read.ok)
        return;
    const QString name = m_cmbNome->currentText();
    // Every match is taken in turn: the last one in the file wins.
    const UserRecord *found = nullptr;
    for (const UserRecord &record : read.records) {
        if (record.matches(name))
            found = &record;
    }
    if (!found)
        return;
    // Each field set only when it changes: a screen reader hears every
    // change. Her data is said when it fills the fields, once: Qt picks the
    // typed name again as the list opens, and once more as it closes.
    const QString storedName = DateText::trimBlanks(found->Nome);
    const QString date = DateText::trimBlanks(found->Ultima);
    const QString cycle = DateText::trimBlanks(found->Periodo);
    const bool filled = m_txtUltima->text() != date || m_txtPeriodo->text() != cycle;
    if (m_cmbNome->currentText() != storedName)
        m_cmbNome->setEditText(storedName);
    if (m_txtUltima->text() != date)
        m_txtUltima->setText(date);
    if (m_txtPeriodo->text() != cycle)
        m_txtPeriodo->setText(cycle);
    if (filled)
        announceStoredData(date, cycle);
}

namespace {

// Page Up and Page Down of the keypad (KP_9, KP_3 without Num Lock) are a
// screen reader's flat review keys: the month stays, and the key goes on
// to the screen reader.
bool isKeypadPage(const QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return (key->modifiers() & Qt::KeypadModifier) && (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown);
}

bool opensMenu(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    return key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

} // namespace

bool FrmPrincipal::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::WindowDeactivate && !m_noticeSaid) {
        m_noticeSaid = true;
        describeWindow();
    }
    if (isKeypadPage(event)) {
        // Taken as the widget's own, so no shortcut steals it; then dropped.
        event->accept();
        return true;
    }
    if ((watched == m_imgGoLeft || watched == m_imgGoRight)
        && opensMenu(event)) {
        const auto *arrow = static_cast<QWidget *>(watched);
        openCalendarMenu(arrow->mapToGlobal(arrow->rect().center()));
        return true;
    }
    const bool inputField = watched == m_cmbNome || watched == m_txtUltima || watched == m_txtPeriodo;
    if (event->type() == QEvent::KeyPress && inputField) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Enter calculates, and the field sees no more of it: the name box
        // would take it as picking the typed name and fill the fields again.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            imgCalcularClick();
            return true;
        }
    } else if (event->type() == QEvent::ShortcutOverride && inputField
               && isMenuKey(QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()))) {
        // Ctrl+E is also the fields' end-of-line key: the menu's command wins.
        event->ignore();
        return true;
    } else if (event->type() == QEvent::MouseMove) {
        // The control under the pointer decides, whichever container passed the move on.
        const auto *move = static_cast<QMouseEvent *>(event);
        QWidget *under = childAt(mapFromGlobal(move->globalPosition().toPoint()));
        mouseMovedOver(under ? under : this);
    } else if (watched == m_picPrevinir
               && (event->type() == QEvent::HideToParent || event->type() == QEvent::ShowToParent)) {
        // The legend lies exactly under the notice: it shows when the notice goes.
        m_picLegenda->setVisible(event->type() == QEvent::HideToParent);
    } else if (event->type() == QEvent::FocusIn && (watched == m_txtUltima || watched == m_txtPeriodo)) {
        static_cast<QLineEdit *>(watched)->selectAll();
    }
    return QWidget::eventFilter(watched, event);
}
