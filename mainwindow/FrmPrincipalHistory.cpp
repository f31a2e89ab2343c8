// Her history's window, opened for the name in the name box.

#include "FrmPrincipal.h"

#include "ConsultationTexts.h"
#include "DateText.h"
#include "FrmHistorico.h"
#include "HistoryTexts.h"
#include "fQuintrela.h"

#include <QComboBox>
#include <QLineEdit>

void FrmPrincipal::openHistory()
{
    const QString name = DateText::trimBlanks(m_ui.cmbNome->currentText());
    if (name.isEmpty()) {
        m_services.message(this, QMessageBox::Information, HistoryTexts::historyTitle, HistoryTexts::noName);
        m_ui.cmbNome->setFocus();
        return;
    }
    HistoryServices services{m_services.message, m_services.askYesNo, m_services.askToDestroy, m_services.askText, m_services.askChoice, m_services.today,
                             m_services.chooseSavePath, m_services.chooseOpenPath};
    // Her sealed history when her protected data is open.
    FrmHistorico window(name, m_consultation.historyOf(name), std::move(services), this);
    if (m_consultation.isProtected(name))
        window.leavesProtection(ConsultationTexts::leavesProtection, m_session.file());
    connect(&window, &FrmHistorico::meanChosen, this, [this](int days) {
        // Her mean in Período; the calendar changes only when she calculates.
        m_ui.txtPeriodo->setText(QString::number(days));
        m_ui.txtPeriodo->setFocus();
        tellSaved(HistoryTexts::meanUsed.arg(days));
    });
    bool protect = false;
    connect(&window, &FrmHistorico::protectionAsked, this, [&protect] { protect = true; });
    window.exec();
    // Histórico may have changed what her history says of the consultation on view.
    if (!m_state.CurrentName.isEmpty()) {
        showForecast(m_consultation.forecast());
        ShowMonth(m_state.shownMonthStart());
    }
    if (protect)
        protectName();
}
