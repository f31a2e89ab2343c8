#include "FrmProteger.h"

#include "Artwork.h"
#include "Passphrase.h"
#include "ProtectionTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ProtectionTexts;

namespace {

QLineEdit *secretField(QWidget *parent, const QString &name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    // Never shown, never copied or dragged out, never read aloud letter by letter.
    field->setEchoMode(QLineEdit::Password);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    return field;
}

QLabel *wrappedText(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

FrmProteger::FrmProteger(const QString &name, Purpose purpose, QWidget *parent)
    : QDialog(parent), m_name(name)
{
    const bool protecting = purpose == Purpose::Protect;
    setWindowTitle(protecting ? protectTitle : changeTitle);
    // The program's own face, as its other windows: not a system's serif fallback (Wine).
    setFont(Artwork::uiFont(9.75));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(wrappedText(this, (protecting ? explanation : changeExplanation).arg(name)));
    QLabel *warned = wrappedText(this, warning);
    QFont bold = warned->font();
    bold.setBold(true);
    warned->setFont(bold);
    layout->addWidget(warned);

    auto *form = new QFormLayout;
    m_passphrase = secretField(this, QStringLiteral("txtSenha"));
    m_confirmation = secretField(this, QStringLiteral("txtConfirmacao"));
    m_hint = wrappedText(this, Passphrase::hint(Passphrase::Strength::TooShort));
    m_hint->setObjectName(QStringLiteral("lblForca"));
    m_refusal = wrappedText(this, {});
    m_refusal->setObjectName(QStringLiteral("lblRecusa"));
    auto *passphraseLabel = new QLabel(ProtectionTexts::passphraseLabel, this);
    passphraseLabel->setBuddy(m_passphrase);
    auto *confirmationLabel = new QLabel(ProtectionTexts::confirmationLabel, this);
    confirmationLabel->setBuddy(m_confirmation);
    form->addRow(passphraseLabel, m_passphrase);
    form->addRow(QString(), m_hint);
    form->addRow(confirmationLabel, m_confirmation);
    layout->addLayout(form);
    layout->addWidget(m_refusal);
    // The hint is part of the field as heard: a screen reader says it with it.
    m_passphrase->setAccessibleDescription(m_hint->text());
    connect(m_passphrase, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_hint->setText(Passphrase::hint(Passphrase::strength(text, m_name)));
        m_passphrase->setAccessibleDescription(m_hint->text());
    });

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *protect = buttons->addButton(protecting ? protectButton : QStringLiteral("&Mudar"),
                                              QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton, QDialogButtonBox::RejectRole);
    protect->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(460);
    // The hint and a refusal take more lines as they change: the window grows
    // with them, never cutting a word.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    m_hint->setMinimumHeight(m_hint->fontMetrics().lineSpacing() * 3);
    m_passphrase->setFocus();
}

QString FrmProteger::passphrase() const
{
    return m_passphrase->text();
}

void FrmProteger::accept()
{
    const QString refused = Passphrase::refusal(m_passphrase->text(), m_confirmation->text());
    if (refused.isEmpty()) {
        QDialog::accept();
        return;
    }
    m_refusal->setText(refused);
    m_refusal->setAccessibleName(refused);
    QLineEdit *wrong = m_passphrase->text().toUcs4().size() < Passphrase::shortest ? m_passphrase : m_confirmation;
    wrong->setAccessibleDescription(refused);
    wrong->selectAll();
    wrong->setFocus();
}
