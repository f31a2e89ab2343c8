#pragma once
// The corner of a day she wrote a note of: a small dark fold at the cell's
// top right, away from the day number, in no colour of the legend. The
// number, its colour and its place stay as they are.

#include <QWidget>

class NoteMark : public QWidget
{
public:
    // A fold of size logical pixels, child of the day's cell.
    static constexpr int size = 8;
    explicit NoteMark(QWidget *cell);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
};
