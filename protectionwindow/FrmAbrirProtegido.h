#pragma once
// "Abrir dados protegidos": her name and passphrase. A wrong one of either
// is told in the same words; after five, each try waits longer.

#include "HistoryProblem.h"

#include <QDialog>

#include <chrono>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

class FrmAbrirProtegido : public QDialog
{
    Q_OBJECT
public:
    // tryOpen opens her data and tells why not; waitLeft is how long before
    // another try is taken.
    FrmAbrirProtegido(std::function<HistoryProblem(const QString &name, const QString &passphrase)> tryOpen,
                      std::function<std::chrono::seconds()> waitLeft, QWidget *parent = nullptr);

    void accept() override;

private:
    void showWait();

    std::function<HistoryProblem(const QString &, const QString &)> m_tryOpen;
    std::function<std::chrono::seconds()> m_waitLeft;
    QLineEdit *m_name;
    QLineEdit *m_passphrase;
    QLabel *m_refusal;
    QPushButton *m_open;
};
