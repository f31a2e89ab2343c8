// The consultation: check, remember, project, show.

#include "FrmPrincipal.h"

#include "BusyCursor.h"
#include "CycleProjection.h"
#include "DateText.h"
#include "HistoryStore.h"
#include "HistoryTexts.h"
#include "ImageButton.h"
#include "MainWindowTexts.h"
#include "PictureBox.h"
#include "UserRecord.h"
#include "fQuintrela.h"

#include <QComboBox>
#include <QLineEdit>

#include <cmath>

#include <optional>

void FrmPrincipal::showError(bool stop, const QString &text, QWidget *focus)
{
    m_services.message(this, stop ? QMessageBox::Critical : QMessageBox::Warning, MainWindowTexts::errorTitle, text);
    focus->setFocus();
}

bool FrmPrincipal::checkInputs()
{
    const QString name = m_cmbNome->currentText();
    if (name.isEmpty()) {
        showError(false, MainWindowTexts::noName, m_cmbNome);
        return false;
    }
    if (!UserRecord::canStore(name)) {
        showError(false, MainWindowTexts::nameNotStorable, m_cmbNome);
        return false;
    }
    const QDate date = DateText::readDate(m_txtUltima->text());
    if (date.isValid())
        m_txtUltima->setText(DateText::formatDdMmYyyy(date));
    else {
        showError(false, MainWindowTexts::badDate, m_txtUltima);
        return false;
    }
    if (date.year() > 2075) {
        showError(true, MainWindowTexts::after2075, m_txtUltima);
        return false;
    }
    if (date.year() < 1981) {
        showError(true, MainWindowTexts::before1981, m_txtUltima);
        return false;
    }
    const double cycle = DateText::leadingNumber(m_txtPeriodo->text());
    if (!(cycle >= 16 && cycle <= 40)) {
        showError(true, MainWindowTexts::badCycle, m_txtPeriodo);
        return false;
    }
    return true;
}

void FrmPrincipal::imgCalcularClick()
{
    m_imgCalcular->setBorderStyle(0);
    m_imgImprimir->setBorderStyle(0);
    if (!checkInputs())
        return;

    m_informed = DateText::readDate(m_txtUltima->text());
    QDate first;
    {
        const BusyCursor busy;
        saveConsultation();
        m_state.CurrentName = m_cmbNome->currentText();
        takeNewNames();
        m_cmbNome->lineEdit()->selectAll();
        first = ProjectCycles(m_state, m_txtUltima->text(), m_txtPeriodo->text());
    }
    const QString t = DateText::formatDdMmYyyy(first);
    m_state.ShownMonth = QString::number(first.month());
    m_state.ShownYear = t.right(4);
    ShowMonth(t.mid(3, 2), t.right(4));
    m_picPrevinir->hide();
    describeWindow();
    announceMonth();
}

void FrmPrincipal::takeNewNames()
{
    // The list as the file has it, touched as little as can be: a refill
    // clears the box and types her name back, and a screen reader says each
    // change (on Windows as a spoken notification) wherever she is.
    const UserRecordsFile::NamesResult read = m_records.readNames();
    QStringList listed;
    for (int i = 0; i < m_cmbNome->count(); ++i)
        listed << m_cmbNome->itemText(i);
    if (read.ok && read.names == listed)
        return;
    const QString typed = m_cmbNome->currentText();
    if (read.ok && read.names.size() > listed.size() && read.names.mid(0, listed.size()) == listed) {
        // A name added at the end, as a save adds it.
        const QSignalBlocker blocker(m_cmbNome);
        m_cmbNome->addItems(read.names.mid(listed.size()));
        if (m_cmbNome->currentText() != typed)
            m_cmbNome->setEditText(typed);
        return;
    }
    ReFillData();
    m_cmbNome->setEditText(typed);
}

void FrmPrincipal::saveConsultation()
{
    const UserRecordsFile::ReadResult before = m_records.readAll();
    const auto result = m_records.SaveUserRecord(m_cmbNome->currentText(), m_txtUltima->text(), m_txtPeriodo->text(), [this] {
        return m_services.askYesNo(this, MainWindowTexts::questionTitle, MainWindowTexts::addName);
    });
    // The calendar is still worth showing when the file failed.
    if (result.status == UserRecordsFile::SaveStatus::Failed) {
        m_services.message(this, QMessageBox::Critical, MainWindowTexts::errorTitle,
                           MainWindowTexts::recordsNotSaved.arg(result.problem.sentence()));
        // The same cause keeps the list from being read again: said once is enough.
        m_toldRecordsUnreadable = true;
    }
    // Kept only for a name she chose to have remembered.
    if (result.status == UserRecordsFile::SaveStatus::Updated || result.status == UserRecordsFile::SaveStatus::Added)
        keepInHistory(before.records);
}

void FrmPrincipal::keepInHistory(const QList<UserRecord> &before)
{
    const QString name = m_cmbNome->currentText();
    const QDate typed = DateText::readDate(m_txtUltima->text());
    // A date still to come is not a period that started.
    if (typed > m_services.today())
        return;
    QDate stored;
    int storedLength = 0;
    for (const UserRecord &record : before) {
        if (record.matches(name)) {
            stored = DateText::readDate(record.Ultima);
            storedLength = DateText::trimBlanks(record.Periodo).toInt();
        }
    }
    const double cycle = DateText::leadingNumber(m_txtPeriodo->text());
    const int typedLength = cycle == std::floor(cycle) ? int(cycle) : 0;
    const HistoryProblem problem =
        HistoryStore(m_dataFolder).recordConsultation(name, typed, typedLength, stored, storedLength);
    // Told once for the same cause: she consults again, the calendar works.
    if (problem && problem.cause != m_toldHistoryProblem)
        m_services.message(this, QMessageBox::Warning, MainWindowTexts::errorTitle,
                           HistoryTexts::notKept.arg(problem.sentence()));
    m_toldHistoryProblem = problem.cause;
}
