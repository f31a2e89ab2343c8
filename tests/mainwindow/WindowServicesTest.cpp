#include "WindowServices.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

TEST(WindowServicesTest, ABoxBeforeTheWindowIsShownStandsInTheMiddleOfTheScreen)
{
    // As at start-up: the window exists, but is not on screen yet.
    QWidget window;
    window.resize(490, 460);
    QPoint centre;
    QTimer::singleShot(100, [&] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        centre = box->frameGeometry().center();
        box->close();
    });
    WindowServices::standard().message(&window, QMessageBox::Warning, "Erro:", "Texto");
    const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((centre - screen).manhattanLength(), 40) << centre.x() << "," << centre.y();
}

TEST(WindowServicesTest, AQuestionThatDestroysHasNoAsItsDefault)
{
    const WindowServices services = WindowServices::standard();
    const struct
    {
        std::function<bool(QWidget *, const QString &, const QString &)> ask;
        bool enterAnswers;
    } questions[] = {{services.askYesNo, true}, {services.askToDestroy, false}};
    for (const auto &q : questions) {
        QTimer::singleShot(100, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            // Enter, as she would press it in haste.
            box->defaultButton()->click();
        });
        EXPECT_EQ(q.ask(nullptr, "Pergunta", "Apagar?"), q.enterAnswers);
    }
}

// A question of a few sentences fits on her screen, and her pick is the item's place.
TEST(WindowServicesTest, AChoiceWithALongQuestionWrapsIt)
{
    int width = 0;
    QTimer::singleShot(100, [&] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        width = box->width();
        box->setTextValue("Ligado");
        box->accept();
    });
    const QString question = QString("Uma frase de uma pergunta longa. ").repeated(12);
    EXPECT_EQ(WindowServices::standard().askChoice(nullptr, "Lembrete", question, {"Desligado", "Ligado"}), 1);
    EXPECT_LT(width, QFontMetrics(QApplication::font()).averageCharWidth() * 70) << width;
}
