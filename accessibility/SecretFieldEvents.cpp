#include "SecretFieldEvents.h"

#include <QAccessible>
#include <QLineEdit>

namespace {

void handle(QAccessibleEvent *event);

bool isSecretField(QObject *object)
{
    const auto *edit = qobject_cast<QLineEdit *>(object);
    return edit && edit->echoMode() != QLineEdit::Normal;
}

// What a password field would tell of its text: Qt 6.4 sends the typed
// characters themselves with an insertion, and Orca speaks them.
bool tellsOfItsText(QAccessible::Event type)
{
    switch (type) {
    case QAccessible::TextCaretMoved:
    case QAccessible::TextSelectionChanged:
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
    case QAccessible::TextAttributeChanged:
    case QAccessible::ValueChanged:
        return true;
    default:
        return false;
    }
}

void handle(QAccessibleEvent *event)
{
    if (tellsOfItsText(event->type()) && isSecretField(event->object()))
        return;
    // Every other event goes on as Qt would send it: through its own path,
    // this handler stepping aside for the moment.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(handle);
}

} // namespace

namespace SecretFieldEvents {

void install()
{
    static const bool installed = [] {
        QAccessible::installUpdateHandler(handle);
        return true;
    }();
    (void)installed;
}

} // namespace SecretFieldEvents
