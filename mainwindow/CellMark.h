#pragma once
// A small mark drawn over a day's cell, beside its number: it follows the
// cell's size, takes no clicks or focus (they are the day's), and starts hidden.

#include <QWidget>

class CellMark : public QWidget
{
public:
    CellMark(QWidget *cell, const QString &name);

protected:
    // Where it stands in a cell of that size.
    virtual QRect placeIn(const QSize &cell) const = 0;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Once the derived mark is made: its place is its own.
    void place();
};
