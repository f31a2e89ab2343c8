#pragma once
// Says a sentence to the screen reader without taking the focus: an empty,
// zero-sized notification, hidden until its first sentence, that shows
// itself again with each new one.
// Orca speaks a notification when it is shown, which Qt 6.4's bridge can
// tell it; nothing is drawn.

#include <QWidget>

class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &sentence);
};
