#pragma once
// A fresh main window in a folder of its own, with recorded message boxes,
// scripted answers and a chosen date.

#include "FrmPrincipal.h"
#include "TestSupport.h"
#include "fQuintrela.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>

struct ShownMessage
{
    QMessageBox::Icon icon;
    QString title;
    QString text;
    QWidget *focusBefore;
};

class MainWindowFixture : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    std::unique_ptr<fQuintrela> state = std::make_unique<fQuintrela>();
    std::unique_ptr<FrmPrincipal> window;
    std::vector<ShownMessage> messages;
    std::vector<QString> questions;
    std::deque<bool> answers; // next answers to the question; yes when empty
    std::vector<QUrl> opened;
    QDate today{2026, 12, 7};
    QString savePath; // where a save dialog is answered; empty: she cancels
    QStringList suggestedPaths; // what each save dialog offered
    std::optional<int> number;  // what she answers when asked a number; none: she gives up

    QString settingsPath() const { return dir.path() + "/qtrconf.dat"; }
    QString recordsPath() const { return dir.path() + "/quintrela.dat"; }

    WindowServices services()
    {
        WindowServices s;
        s.message = [this](QWidget *, QMessageBox::Icon icon, const QString &title, const QString &text) {
            messages.push_back({icon, title, text, QApplication::focusWidget()});
        };
        s.askYesNo = [this](QWidget *, const QString &title, const QString &text) {
            questions.push_back(title + "|" + text);
            if (answers.empty())
                return true;
            const bool a = answers.front();
            answers.pop_front();
            return a;
        };
        s.askToDestroy = s.askYesNo;
        s.askNumber = [this](QWidget *, const QString &title, const QString &, int, int least, int most) {
            questions.push_back(title);
            return number && *number >= least && *number <= most ? number : std::nullopt;
        };
        s.today = [this] { return today; };
        s.openUrl = [this](const QUrl &url) { opened.push_back(url); };
        s.chooseSavePath = [this](QWidget *, const QString &, const QString &suggested, const QString &) {
            suggestedPaths << suggested;
            return savePath;
        };
        return s;
    }

    FrmPrincipal &open()
    {
        window = std::make_unique<FrmPrincipal>(*state, dir.path(), services());
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    // Types into a field as the user would: replacing what it held.
    static void type(QWidget *field, const QString &text)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        for (const QChar ch : text) {
            if (ch.unicode() < 128) {
                QTest::keyClick(field, char(ch.unicode()));
            } else {
                // Letters beyond ASCII arrive as text, as an input method sends them.
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(field, &press);
            }
        }
    }

    void consult(const QString &name, const QString &date, const QString &cycle);
};
