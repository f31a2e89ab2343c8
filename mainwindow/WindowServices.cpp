#include "WindowServices.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrinter>
#include <QPrinterInfo>

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
    services.defaultPrinter = []() -> std::unique_ptr<QPrinter> {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    };
    services.choosePdfPath = [](QWidget *parent, const QString &suggestedPath) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Salvar o calendário como PDF"), suggestedPath,
                                            QStringLiteral("Arquivos PDF (*.pdf)"));
    };
    return services;
}
