#pragma once
// The line under the month that says where a file was saved. It stands in
// the calendar's last row, on the cells no month ever uses, and stays until
// her next key or click in the window.

#include <QLabel>

#include <array>

class SavedLine : public QLabel
{
    Q_OBJECT
public:
    SavedLine(QWidget *calendar, const std::array<QLabel *, 42> &cells);

    void tell(const QString &sentence);
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showElided();
    QString m_sentence;
};
