#include "AccessibleFactory.h"

#include "Announcer.h"
#include "LineEditAccessible.h"
#include "ReadingOrderAccessible.h"
#include "SecretFieldEvents.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QWidget>

namespace {

constexpr const char *readingOrderProperty = "quintrelaReadingOrder";
constexpr const char *roleProperty = "quintrelaRole";
constexpr const char *spokenNameProperty = "quintrelaSpokenName";

// A label said by its words; a screen reader speaks a focused item's name.
class SpokenNameAccessible : public QAccessibleWidget
{
public:
    SpokenNameAccessible(QWidget *widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        // Its tooltip holds the same words: not said a second time.
        if (t == QAccessible::Description)
            return widget()->accessibleDescription();
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString words = widget()->accessibleName();
        return words.isEmpty() ? widget()->property("text").toString() : words;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        // The item under the keyboard is the one chosen. Windows' UI
        // Automation offers every list item for selection, and NVDA calls
        // one reached unselected "não selecionado".
        if (role() == QAccessible::ListItem) {
            s.selectable = true;
            s.selected = s.focused;
        }
        return s;
    }
};

// True for a window made from a plain QWidget (not a dialog or a main window,
// which Qt describes well itself).
bool plainWindow(const QWidget *widget)
{
    if (!widget->isWindow())
        return false;
    const QMetaObject *meta = widget->metaObject();
    while (meta && meta->className()[0] != 'Q')
        meta = meta->superClass();
    return meta == &QWidget::staticMetaObject;
}

QAccessibleInterface *create(const QString &className, QObject *object)
{
    // Qt asks once per class of the object's ancestry, most derived first,
    // for every widget whose text changes: answer on the first ask, cheaply.
    if (className != QLatin1String(object->metaObject()->className()) || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    // Every text field, the save dialogs' file name among them.
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return new LineEditAccessible(edit);
    if (!widget->dynamicPropertyNames().isEmpty()) {
        const QVariant order = widget->property(readingOrderProperty);
        const QVariant role = widget->property(roleProperty);
        if (widget->property(spokenNameProperty).isValid())
            return new SpokenNameAccessible(widget, role.isValid() ? role.value<QAccessible::Role>()
                                                                   : QAccessible::StaticText);
        if (order.isValid() || role.isValid()) {
            const QAccessible::Role r = role.isValid() ? role.value<QAccessible::Role>()
                                        : widget->isWindow() ? QAccessible::Window
                                                             : QAccessible::Pane;
            if (!order.isValid())
                return new QAccessibleWidget(widget, r);
            return new ReadingOrderAccessible(widget, r, order.value<QList<QWidget *>>());
        }
    }
    // A window built on a plain widget is reported as a filler otherwise.
    if (plainWindow(widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

namespace AccessibleFactory {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(create);
        SecretFieldEvents::install();
        return true;
    }();
    (void)installed;
}

void setReadingOrder(QWidget *container, const QList<QWidget *> &children)
{
    container->setProperty(readingOrderProperty, QVariant::fromValue(children));
}

void appendToReadingOrder(QWidget *container, QWidget *child)
{
    QList<QWidget *> children = container->property(readingOrderProperty).value<QList<QWidget *>>();
    children.append(child);
    setReadingOrder(container, children);
    // An interface already made keeps the order it was made with: made again, it reads the new one.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(container))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void setRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(roleProperty, QVariant::fromValue(role));
}

void saidInWords(QWidget *label)
{
    label->setProperty(spokenNameProperty, true);
}

void setSpokenName(QWidget *label, const QString &words)
{
    // One event for a changed day: a label with a name of its own tells
    // nothing of its text changing.
    if (label->accessibleName() != words)
        label->setAccessibleName(words);
}

} // namespace AccessibleFactory
