// The consultation as the window shows it.

#include "FrmPrincipal.h"

#include "Announcer.h"
#include "BusyCursor.h"
#include "ConsultationTexts.h"
#include "DateText.h"
#include "fQuintrela.h"
#include "ImageButton.h"
#include "PictureBox.h"
#include "SavedLine.h"

#include <QComboBox>
#include <QLineEdit>

void FrmPrincipal::imgCalcularClick()
{
    m_ui.imgCalcular->setBorderStyle(0);
    m_ui.imgImprimir->setBorderStyle(0);
    m_savedLine->clear();
    const Consultation::Inputs typed{m_ui.cmbNome->currentText(), m_ui.txtUltima->text(), m_ui.txtPeriodo->text(),
                                     m_startupDefaults};
    Consultation::Outcome outcome;
    {
        const BusyCursor busy;
        outcome = m_consultation.run(typed, [this] {
            return m_services.askYesNo(this, ConsultationTexts::questionTitle, ConsultationTexts::addName);
        });
        showFields(outcome.shown);
        if (outcome.filledFromRecord)
            announceStoredData(outcome.shown.date, outcome.shown.cycle);
    }
    if (outcome.refusal) {
        tell(outcome.refusal, ConsultationTexts::errorTitle);
        return;
    }
    for (const Consultation::Message &notice : outcome.notices)
        tell(notice, ConsultationTexts::errorTitle);
    m_informed = DateText::readDate(outcome.shown.date);
    m_files.setProtected(m_consultation.isProtected(m_state.CurrentName));
    reloadNotes();
    {
        const BusyCursor busy;
        takeNewNames();
        m_ui.cmbNome->lineEdit()->selectAll();
    }
    showForecast(outcome.forecast);
    ShowMonth(outcome.month);
    m_ui.picPrevinir->hide();
    describeWindow();
    // What her history says is heard once, with the month it came with.
    m_ui.announcer->announce(outcome.forecast ? m_monthSentence + u' ' + outcome.forecast->sentence : m_monthSentence);
}

void FrmPrincipal::showFields(const Consultation::Inputs &inputs)
{
    // Each field set only when it changes: a screen reader hears every change.
    if (m_ui.cmbNome->currentText() != inputs.name)
        m_ui.cmbNome->setEditText(inputs.name);
    if (m_ui.txtUltima->text() != inputs.date)
        m_ui.txtUltima->setText(inputs.date);
    if (m_ui.txtPeriodo->text() != inputs.cycle)
        m_ui.txtPeriodo->setText(inputs.cycle);
}

void FrmPrincipal::takeNewNames()
{
    // The list as the file has it, touched as little as can be: a refill
    // clears the box and types her name back, and a screen reader says each
    // change (on Windows as a spoken notification) wherever she is.
    const Consultation::Names read = m_consultation.names();
    tell(read.notice, ConsultationTexts::errorTitle);
    QStringList listed;
    for (int i = 0; i < m_ui.cmbNome->count(); ++i)
        listed << m_ui.cmbNome->itemText(i);
    if (read.ok && read.names == listed)
        return;
    const QString typed = m_ui.cmbNome->currentText();
    const QSignalBlocker blocker(m_ui.cmbNome);
    if (read.ok && read.names.size() > listed.size() && read.names.mid(0, listed.size()) == listed)
        m_ui.cmbNome->addItems(read.names.mid(listed.size())); // a name added at the end, as a save adds it
    else
        fillNames(read.names);
    if (m_ui.cmbNome->currentText() != typed)
        m_ui.cmbNome->setEditText(typed);
}
