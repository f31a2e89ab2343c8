#include "SavedLine.h"

#include <QApplication>
#include <QEvent>

SavedLine::SavedLine(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("savedLine"));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    hide();
}

void SavedLine::tell(const QString &sentence)
{
    m_sentence = sentence;
    setToolTip(sentence);
    showElided();
    show();
    raise();
    qApp->installEventFilter(this);
}

void SavedLine::clear()
{
    qApp->removeEventFilter(this);
    m_sentence.clear();
    setToolTip(QString());
    QLabel::clear();
    hide();
}

void SavedLine::showElided()
{
    // A long folder is cut in its middle: the file's own name stays in view.
    setText(fontMetrics().elidedText(m_sentence, Qt::ElideMiddle, contentsRect().width()));
}

void SavedLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (!m_sentence.isEmpty())
        showElided();
}

bool SavedLine::eventFilter(QObject *watched, QEvent *event)
{
    const bool action = event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (action && widget && widget->window() == window())
        clear();
    return QLabel::eventFilter(watched, event);
}
