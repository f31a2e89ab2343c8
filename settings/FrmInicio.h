#pragma once
// qtrconfg's window: shows the stored end-of-period choice and stores the
// one the user picks.

#include "SettingsFile.h"

#include <QWidget>

#include <functional>

class OptionButton;
class QPushButton;

class FrmInicio : public QWidget
{
    Q_OBJECT
public:
    // Shows an error to the user (title, text); tests replace it.
    using ErrorReporter = std::function<void(QWidget *parent, const QString &title, const QString &text)>;

    explicit FrmInicio(const QString &dataFolder, ErrorReporter reportError = {}, QWidget *parent = nullptr);

    OptionButton *optUm() const { return m_optUm; }
    OptionButton *optDois() const { return m_optDois; }
    QPushButton *cmdGo() const { return m_cmdGo; }

signals:
    // The choice is on disk; the program ends.
    void saved();

private:
    void createControls();
    void Load();
    void cmdGoClick();
    void updateTabStop();

    QString m_dataFolder;
    SettingsFile m_settings;
    ErrorReporter m_reportError;
    OptionButton *m_optUm = nullptr;
    OptionButton *m_optDois = nullptr;
    QPushButton *m_cmdGo = nullptr;
};
