#pragma once
// What the main window asks of the world outside it: message boxes, the
// date, the browser. Tests hand in their own.

#include <QDate>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class PrintQueue;

struct WindowServices
{
    std::function<void(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)> message;
    std::function<bool(QWidget *parent, const QString &title, const QString &text)> askYesNo;
    // The same question for what cannot be undone: "Não" is the default button.
    std::function<bool(QWidget *parent, const QString &title, const QString &text)> askToDestroy;
    std::function<QDate()> today;
    std::function<void(const QUrl &address)> openUrl;
    // The system's default printer; it tells itself when there is none.
    std::function<std::unique_ptr<PrintQueue>()> defaultPrinter;
    // Where to save a file: a dialog with this title, starting at the
    // suggested path, showing files of the filter (a bare name gets the
    // filter's suffix); empty when the user gives up.
    std::function<QString(QWidget *parent, const QString &title, const QString &suggestedPath, const QString &filter)>
        chooseSavePath;

    // A file to read: a dialog with this title showing files of the filter;
    // empty when the user gives up.
    std::function<QString(QWidget *parent, const QString &title, const QString &filter)> chooseOpenPath;
    // A line she types in a box with this title and label; null when she gives up.
    std::function<QString(QWidget *parent, const QString &title, const QString &label)> askText;
    // One of the items, by its place; none when she gives up.
    std::function<std::optional<int>(QWidget *parent, const QString &title, const QString &label, const QStringList &items)>
        askChoice;
    // A whole number from least to most, starting at value; none when she gives up.
    std::function<std::optional<int>(QWidget *parent, const QString &title, const QString &label, int value, int least,
                                     int most)>
        askNumber;
    // Real boxes, the system date and the default browser.
    static WindowServices standard();
};
