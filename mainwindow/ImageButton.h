#pragma once
// A picture that acts as a button: it is exactly the size of its picture,
// can show a thin single border (the hover highlight) and reports clicks.
// Being a button, it is a button to screen readers, with a press action, and
// the keyboard reaches it with Tab (never with a click, which leaves the
// focus where the user typed).

#include <QAbstractButton>
#include <QPixmap>

class ImageButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit ImageButton(QWidget *parent = nullptr);

    void setPixmap(const QPixmap &pixmap);
    QPixmap pixmap() const { return m_pixmap; }

    // 0: no border; 1: a fixed single border.
    void setBorderStyle(int style);
    int borderStyle() const { return m_borderStyle; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    QPixmap m_pixmap;
    int m_borderStyle = 0;
};
