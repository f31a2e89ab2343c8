#include "Announcer.h"

#include "SystemAnnouncement.h"

#include <QAccessible>

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Nothing to say before the first sentence: the window opens silent.
    hide();
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &Announcer::showSentence);
}

void Announcer::announce(const QString &sentence)
{
    setAccessibleName(sentence);
    m_settle.start();
}

void Announcer::showSentence()
{
    if (isHidden()) {
        show();
    } else {
        // Shown again, so the screen reader hears the new sentence now.
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
    // Raised on the shown announcer, the object the sentence belongs to.
    SystemAnnouncement::raise(this, accessibleName());
}
