#include "DesktopNotifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QEventLoop>
#include <QTimer>
#include <QVariantMap>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");

// Receives the server's signals for our notification alone.
class Answer : public QObject
{
    Q_OBJECT
public:
    uint id = 0;
    QString action;
    bool closed = false;
    QEventLoop loop;

public slots:
    void invoked(uint which, const QString &key)
    {
        if (which != id)
            return;
        action = key;
        loop.quit();
    }
    void closedBy(uint which, uint)
    {
        if (which != id)
            return;
        closed = true;
        loop.quit();
    }
};

} // namespace

namespace DesktopNotifier {

std::unique_ptr<QCoreApplication> application(int &argc, char **argv)
{
    return std::make_unique<QCoreApplication>(argc, argv);
}

Outcome notify(const ReminderPlan::Notice &notice, int waitSeconds)
{
    Outcome told;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return told;
    Answer answer;
    bus.connect(service, path, service, QStringLiteral("ActionInvoked"), &answer, SLOT(invoked(uint, QString)));
    bus.connect(service, path, service, QStringLiteral("NotificationClosed"), &answer, SLOT(closedBy(uint, uint)));
    QStringList actions;
    for (const auto &[key, words] : notice.actions)
        actions << key << words;
    QDBusInterface server(service, path, service, bus);
    // A question stays until she answers it; a reminder goes as the server decides.
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(uchar(1))},
                            {QStringLiteral("desktop-entry"), QStringLiteral("br.com.quintrela.Quintrela")}};
    const QDBusReply<uint> sent = server.call(QStringLiteral("Notify"), QStringLiteral("Quintrela"), uint(0),
                                              QStringLiteral("br.com.quintrela.Quintrela"), notice.title, notice.body,
                                              actions, hints, notice.actions.isEmpty() ? -1 : 0);
    if (!sent.isValid())
        return told;
    told.shown = true;
    if (notice.actions.isEmpty())
        return told;
    answer.id = sent.value();
    QTimer::singleShot(waitSeconds * 1000, &answer.loop, &QEventLoop::quit);
    answer.loop.exec();
    told.answer = answer.action;
    if (told.answer.isEmpty() && !answer.closed)
        server.call(QStringLiteral("CloseNotification"), answer.id);
    return told;
}

} // namespace DesktopNotifier

#include "DesktopNotifierDbus.moc"
