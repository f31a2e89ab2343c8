#pragma once
// A bar or box with a sunken two-pixel border and a flat background; its
// straight lines are drawn on its surface, beneath its children.

#include <QColor>
#include <QFrame>
#include <QLine>
#include <QList>

class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setBackground(const QColor &colour);
    QColor background() const;

    // A line in the box's inner coordinates (inside the border).
    void addLine(const QLine &line, const QColor &colour, int width);

    // Where a child designed at `inner` (inside the border) stands.
    static QRect placeInside(const QRect &inner);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct DrawnLine
    {
        QLine line;
        QColor colour;
        int width;
    };
    QList<DrawnLine> m_lines;
};
