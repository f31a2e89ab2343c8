#pragma once
// The corner of a day she wrote a note of: a small dark fold at the cell's
// top right, away from the day number, in no colour of the legend. The
// number, its colour and its place stay as they are.

#include "CellMark.h"

class NoteMark : public CellMark
{
public:
    // A fold of size logical pixels, child of the day's cell.
    static constexpr int size = 8;
    explicit NoteMark(QWidget *cell);

protected:
    QRect placeIn(const QSize &cell) const override;
    void paintEvent(QPaintEvent *event) override;
};
