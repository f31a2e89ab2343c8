#pragma once
// "Anotar o dia": what she writes of one day (flow, pain, symptoms, mood, a
// note), and whether her period started on it. Any day up to today can be
// chosen; the day's note so far comes with it.

#include "DayNote.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QVBoxLayout;

class FrmAnotar : public QDialog
{
    Q_OBJECT
public:
    struct Book
    {
        std::function<DayNote(const QDate &)> noteOf;
        std::function<bool(const QDate &)> isStart;
        QStringList ownSymptoms;
    };
    FrmAnotar(const QDate &day, const QDate &today, Book book, QWidget *parent = nullptr);

    DayNote note() const;
    bool started() const;

public slots:
    // Only the day shown, typed whole, is saved.
    void accept() override;

private:
    void showDay(const QDate &day);
    void showSymptoms(const QStringList &checked);
    void limitNote();
    QButtonGroup *choices(const QString &title, const QString &name, const QStringList &words, QVBoxLayout *into);

    Book m_book;
    QLineEdit *m_day = nullptr;
    QLabel *m_dayRefused = nullptr;
    QDate m_shown; // the day whose note the fields hold
    QDate m_today;
    QCheckBox *m_started = nullptr;
    QButtonGroup *m_flow = nullptr;
    QButtonGroup *m_pain = nullptr;
    QList<QCheckBox *> m_symptoms; // the listed ones, then hers
    QVBoxLayout *m_ownBoxes = nullptr;
    QLineEdit *m_other = nullptr;
    QLineEdit *m_mood = nullptr;
    QPlainTextEdit *m_note = nullptr;
    QLabel *m_left = nullptr;
    bool m_startedBefore = false;
};
