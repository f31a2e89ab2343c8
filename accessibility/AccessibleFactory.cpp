#include "AccessibleFactory.h"

#include "Announcer.h"
#include "ReadingOrderAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr const char *readingOrderProperty = "quintrelaReadingOrder";
constexpr const char *roleProperty = "quintrelaRole";

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
    if (!widget->dynamicPropertyNames().isEmpty()) {
        const QVariant order = widget->property(readingOrderProperty);
        const QVariant role = widget->property(roleProperty);
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
        return true;
    }();
    (void)installed;
}

void setReadingOrder(QWidget *container, const QList<QWidget *> &children)
{
    container->setProperty(readingOrderProperty, QVariant::fromValue(children));
}

void setRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(roleProperty, QVariant::fromValue(role));
}

} // namespace AccessibleFactory
