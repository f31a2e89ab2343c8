// The name list and the input fields' own behaviour.

#include "FrmPrincipal.h"

#include "ConsultationTexts.h"
#include "ImageButton.h"
#include "PictureBox.h"
#include "SavedLine.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

void FrmPrincipal::ReFillData()
{
    const Consultation::Names read = m_consultation.names();
    fillNames(read.names);
    tell(read.notice, ConsultationTexts::errorTitle);
}

void FrmPrincipal::fillNames(const QStringList &names)
{
    const QSignalBlocker blocker(m_ui.cmbNome);
    m_ui.cmbNome->clear();
    m_ui.cmbNome->addItems(names);
    // Filling the list picks no name.
    m_ui.cmbNome->setCurrentIndex(-1);
    m_ui.cmbNome->setEditText(QString());
}

void FrmPrincipal::FillData()
{
    const Consultation::Remembered found = m_consultation.remembered(m_ui.cmbNome->currentText());
    tell(found.notice, ConsultationTexts::errorTitle);
    if (!found.record)
        return;
    // Her data is said when it fills the fields, once: Qt picks the typed
    // name again as the list opens, and once more as it closes.
    const bool filled = m_ui.txtUltima->text() != found.record->Ultima || m_ui.txtPeriodo->text() != found.record->Periodo;
    showFields({found.record->Nome, found.record->Ultima, found.record->Periodo});
    if (filled)
        announceStoredData(found.record->Ultima, found.record->Periodo);
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
    if ((watched == m_ui.imgGoLeft || watched == m_ui.imgGoRight)
        && opensMenu(event)) {
        const auto *arrow = static_cast<QWidget *>(watched);
        openCalendarMenu(arrow->mapToGlobal(arrow->rect().center()));
        return true;
    }
    const bool inputField = watched == m_ui.cmbNome || watched == m_ui.txtUltima || watched == m_ui.txtPeriodo;
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
        m_hover.movedOver(under ? under : this);
    } else if (watched == m_ui.picPrevinir
               && (event->type() == QEvent::HideToParent || event->type() == QEvent::ShowToParent)) {
        // The legend lies exactly under the notice: it shows when the notice goes.
        m_ui.picLegenda->setVisible(event->type() == QEvent::HideToParent);
    } else if (event->type() == QEvent::FocusIn && (watched == m_ui.txtUltima || watched == m_ui.txtPeriodo)) {
        static_cast<QLineEdit *>(watched)->selectAll();
    }
    return QWidget::eventFilter(watched, event);
}
