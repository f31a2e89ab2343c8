#pragma once
// The "Histórico" window: her period starts with each cycle's length, the
// summary of her cycles, a chart of them, and what she can do with them.

#include "CycleStatistics.h"
#include "HistoryServices.h"
#include "HistoryStore.h"

#include <QDialog>

class Announcer;
class SavedLine;
class CycleChart;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;
class QVBoxLayout;

class FrmHistorico : public QDialog
{
    Q_OBJECT
public:
    // Where her pause is kept among her choices.
    static inline const QString &pausePreference = CycleStatistics::pausePreference;
    FrmHistorico(const QString &name, HistoryStore store, HistoryServices services, QWidget *parent = nullptr);
    // Her history is protected, in that sealed file: a CSV is suggested
    // without her name, and before the first she is told this (that it will
    // not be protected); a reminder is told what it keeps outside the file.
    void leavesProtection(const QString &warning, const QString &sealedFile);

signals:
    // "Usar a média": her rounded mean, for the cycle-length field.
    void meanChosen(int days);
    // "Proteger com senha…": the window closes, and the calendar asks her passphrase.
    void protectionAsked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_leavesProtection;
    bool m_protectedName = false;
    QString m_sealedFile;
    QPushButton *m_reminder = nullptr;
    QPushButton *m_protect = nullptr;
    QPushButton *m_leaveOut = nullptr;
    QPushButton *m_report = nullptr;
    QToolButton *m_showDetails = nullptr;
    QWidget *m_details = nullptr;
    QVBoxLayout *m_detailRows = nullptr;
    QPushButton *m_pause = nullptr;
    std::optional<CyclePause> m_pauseChosen;
    void createTable();
    void createButtons();
    void reload(const QDate &current = {});
    void fill();
    void fitTable();

    void useMean();
    void leaveOutCycle();
    void doctorReport();
    void chooseReminder();
    void togglePause();
    void showRowChoices();
    void addDate();
    void removeDate();
    void eraseHistory();
    void exportCsv();
    void importCsv();
    void tellProblem(const QString &frame, const HistoryProblem &problem);
    // Said, and shown above the buttons until her next action.
    void tellSaved(const QString &sentence);

    QString m_name;
    HistoryStore m_store;
    HistoryServices m_services;
    QList<HistoryCycle> m_cycles;

    QLabel *m_summary = nullptr;
    QTableWidget *m_table = nullptr;
    CycleChart *m_chart = nullptr;
    QPushButton *m_useMean = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_erase = nullptr;
    QPushButton *m_export = nullptr;
    Announcer *m_announcer = nullptr;
    SavedLine *m_saved = nullptr;
};
