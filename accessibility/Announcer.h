#pragma once
// Says a sentence to the screen reader without taking the focus: an empty,
// zero-sized notification, hidden until its first sentence, that shows
// itself again with each new one.
// Orca speaks a notification when it is shown, which Qt 6.4's bridge can
// tell it; nothing is drawn.
// The showing waits until the events of the command that led to it have
// settled: Orca drops its whole queue, this event with it, when a focus or
// window event arrives behind a flood (a question box closing after a
// month's redraw).

#include <QTimer>
#include <QWidget>

class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);

    // The sentence is the announcer's name at once; it is shown to the
    // screen reader once the events before it have settled. A newer
    // sentence replaces one not yet shown.
    void announce(const QString &sentence);

    static constexpr int settleMilliseconds = 600;

private:
    void showSentence();

    QTimer m_settle;
};
