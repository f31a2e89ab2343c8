#pragma once
// What the two windows tell screen readers beyond what Qt's own widgets do:
// each window is a window, not a filler; containers list their children in
// the order they are read on screen; announcements are spoken.

#include <QAccessible>
#include <QList>

class QWidget;

namespace AccessibleFactory {

// Installs the factory once per process; harmless to call again.
void install();

// The children a container reports, in reading order. Children left out
// (pictures never seen, stores beyond the window's edge) are not reported.
void setReadingOrder(QWidget *container, const QList<QWidget *> &children);
// One more, read last: before the container is first asked for its children.
void appendToReadingOrder(QWidget *container, QWidget *child);

// What a widget is to a screen reader when its kind alone says something
// else (a coloured box is a picture, not a frame).
void setRole(QWidget *widget, QAccessible::Role role);

// A label read out in words of its own instead of its text (a day cell
// showing "14" is "quarta-feira, 14 de março de 2001: ápice da ovulação");
// its text when the words are empty. Call before the label is first asked
// about.
void saidInWords(QWidget *label);
// Its words, whenever they change: the screen reader is told once of a
// changed day, never of one that stays blank.
void setSpokenName(QWidget *label, const QString &words);

} // namespace AccessibleFactory
