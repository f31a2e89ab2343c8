#pragma once
// What the history window asks of the world outside it: boxes, the date, the
// file dialogs. The main window hands in its own; tests hand in theirs.

#include <QDate>
#include <QMessageBox>
#include <QString>

#include <functional>
#include <optional>

struct HistoryServices
{
    std::function<void(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)> message;
    std::function<bool(QWidget *parent, const QString &title, const QString &text)> askYesNo;
    // For what cannot be undone: "Não" is the default button.
    std::function<bool(QWidget *parent, const QString &title, const QString &text)> askToDestroy;
    // A line of text she types; a null string when she gives up.
    std::function<QString(QWidget *parent, const QString &title, const QString &label)> askText;
    // One of the items, by its place; none when she gives up.
    std::function<std::optional<int>(QWidget *parent, const QString &title, const QString &label, const QStringList &items)>
        askChoice;
    std::function<QDate()> today;
    std::function<QString(QWidget *parent, const QString &title, const QString &suggestedPath, const QString &filter)>
        chooseSavePath;
    std::function<QString(QWidget *parent, const QString &title, const QString &filter)> chooseOpenPath;
};
