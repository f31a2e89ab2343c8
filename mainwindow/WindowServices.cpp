#include "WindowServices.h"

#include <QDesktopServices>

WindowServices WindowServices::standard()
{
    WindowServices services;
    services.message = [](QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text) {
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
    services.askYesNo = [](QWidget *parent, const QString &title, const QString &text) {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    };
    services.today = [] { return QDate::currentDate(); };
    // Failing to open a page is not reported: it is only a link.
    services.openUrl = [](const QUrl &address) { QDesktopServices::openUrl(address); };
    return services;
}
