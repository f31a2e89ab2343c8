#include "FrmAbrirProtegido.h"

#include "Artwork.h"
#include "ProtectionTexts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace ProtectionTexts;

FrmAbrirProtegido::FrmAbrirProtegido(std::function<HistoryProblem(const QString &, const QString &)> tryOpen,
                                     std::function<std::chrono::seconds()> waitLeft, QWidget *parent)
    : QDialog(parent), m_tryOpen(std::move(tryOpen)), m_waitLeft(std::move(waitLeft))
{
    setWindowTitle(openTitle);
    // The program's own face, as its other windows: not a system's serif fallback (Wine).
    setFont(Artwork::uiFont(9.75));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtNome"));
    m_passphrase = new QLineEdit(this);
    m_passphrase->setObjectName(QStringLiteral("txtSenha"));
    m_passphrase->setEchoMode(QLineEdit::Password);
    m_passphrase->setContextMenuPolicy(Qt::NoContextMenu);
    auto *nameLabel = new QLabel(ProtectionTexts::nameLabel, this);
    nameLabel->setBuddy(m_name);
    auto *passphraseLabel = new QLabel(ProtectionTexts::passphraseLabel, this);
    passphraseLabel->setBuddy(m_passphrase);
    form->addRow(nameLabel, m_name);
    form->addRow(passphraseLabel, m_passphrase);
    layout->addLayout(form);
    m_refusal = new QLabel(this);
    m_refusal->setObjectName(QStringLiteral("lblRecusa"));
    m_refusal->setWordWrap(true);
    layout->addWidget(m_refusal);
    auto *buttons = new QDialogButtonBox(this);
    m_open = buttons->addButton(openButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton, QDialogButtonBox::RejectRole);
    m_open->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(400);
    m_name->setFocus();
    showWait();
}

void FrmAbrirProtegido::showWait()
{
    const auto left = m_waitLeft();
    m_open->setEnabled(left.count() == 0);
    if (left.count() == 0)
        return;
    m_refusal->setText(waitBeforeTrying.arg(left.count()));
    QTimer::singleShot(1000, this, &FrmAbrirProtegido::showWait);
}

void FrmAbrirProtegido::accept()
{
    if (m_waitLeft().count() > 0)
        return;
    // The key takes about a second to derive for each protected file.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const HistoryProblem problem = m_tryOpen(m_name->text(), m_passphrase->text());
    QApplication::restoreOverrideCursor();
    if (problem.ok()) {
        m_passphrase->clear();
        QDialog::accept();
        return;
    }
    m_passphrase->clear();
    m_refusal->setText(problem.sentence());
    m_passphrase->setAccessibleDescription(problem.sentence());
    m_passphrase->setFocus();
    showWait();
}
