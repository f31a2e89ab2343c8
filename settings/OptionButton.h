#pragma once
// An option button whose caption wraps at word boundaries beside its circle,
// and which reacts to a click anywhere on its area.

#include <QRadioButton>

class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit OptionButton(const QString &caption, QWidget *parent = nullptr);

    // The rectangle the wrapped caption is drawn in.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};
