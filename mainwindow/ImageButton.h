#pragma once
// A picture that acts as a button: it is exactly the size of its picture,
// can show a thin single border (the hover highlight) and reports clicks.

#include <QLabel>

class ImageButton : public QLabel
{
    Q_OBJECT
public:
    explicit ImageButton(QWidget *parent = nullptr);

    // 0: no border; 1: a fixed single border.
    void setBorderStyle(int style);
    int borderStyle() const { return m_borderStyle; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_borderStyle = 0;
};
