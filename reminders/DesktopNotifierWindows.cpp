#include "DesktopNotifier.h"

#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTimer>

namespace DesktopNotifier {

std::unique_ptr<QCoreApplication> application(int &argc, char **argv)
{
    return std::make_unique<QApplication>(argc, argv);
}

// A balloon from the notification area; Windows' balloons carry no
// buttons, so a click on it asks her in a box of the program's own.
Outcome notify(const ReminderPlan::Notice &notice, int waitSeconds)
{
    Outcome told;
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return told;
    QSystemTrayIcon icon(QApplication::windowIcon());
    icon.setToolTip(notice.title);
    icon.show();
    icon.showMessage(notice.title, notice.body, QSystemTrayIcon::Information, waitSeconds * 1000);
    told.shown = true;
    QEventLoop loop;
    bool clicked = false;
    QObject::connect(&icon, &QSystemTrayIcon::messageClicked, &loop, [&] {
        clicked = true;
        loop.quit();
    });
    QTimer::singleShot((notice.actions.isEmpty() ? 10 : waitSeconds) * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    if (!clicked || notice.actions.isEmpty())
        return told;
    QMessageBox box(QMessageBox::Question, notice.title, notice.body);
    QList<std::pair<QAbstractButton *, QString>> buttons;
    for (const auto &[key, words] : notice.actions)
        buttons.append({box.addButton(words, QMessageBox::AcceptRole), key});
    box.exec();
    for (const auto &[button, key] : buttons) {
        if (box.clickedButton() == button)
            told.answer = key;
    }
    return told;
}

} // namespace DesktopNotifier
