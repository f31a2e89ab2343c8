#pragma once
// A line that says where a file was saved, seen where she looks: it stays
// until her next key or click in its window. A screen reader hears the same
// sentence through the window's announcer, not from here.

#include <QLabel>

class SavedLine : public QLabel
{
    Q_OBJECT
public:
    explicit SavedLine(QWidget *parent);

    void tell(const QString &sentence);
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showElided();
    QString m_sentence;
};
