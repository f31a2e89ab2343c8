#pragma once
// "Proteger com senha": her passphrase typed twice, never shown, with a hint
// of its strength and, before she confirms, the one warning that counts.

#include <QDialog>

class QLabel;
class QLineEdit;

class FrmProteger : public QDialog
{
    Q_OBJECT
public:
    // To protect her name, or to give her protected data a new passphrase.
    enum class Purpose { Protect, NewPassphrase };
    FrmProteger(const QString &name, Purpose purpose = Purpose::Protect, QWidget *parent = nullptr);
    QString passphrase() const;

    void accept() override;

private:
    QString m_name;
    QLineEdit *m_passphrase;
    QLineEdit *m_confirmation;
    QLabel *m_hint;
    QLabel *m_refusal;
};
