#pragma once
// A bar along the bottom of a day she may be fertile on by her history,
// shown only when she chose to see it: the number, its colour and its place
// stay as they are.

#include "CellMark.h"

class FertileMark : public CellMark
{
public:
    static constexpr int height = 3;
    static constexpr int inset = 6;
    explicit FertileMark(QWidget *cell);

protected:
    QRect placeIn(const QSize &cell) const override;
    void paintEvent(QPaintEvent *event) override;
};
