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
    FrmProteger(const QString &name, QWidget *parent = nullptr);
    QString passphrase() const;

    void accept() override;

private:
    QString m_name;
    QLineEdit *m_passphrase;
    QLineEdit *m_confirmation;
    QLabel *m_hint;
    QLabel *m_refusal;
};
