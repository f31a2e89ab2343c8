#include "FrmInicio.h"
#include "OptionButton.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

struct ShownError
{
    QString title;
    QString text;
};

class FrmInicioTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    std::vector<ShownError> errors;

    QString settingsPath() const { return dir.path() + "/qtrconf.dat"; }

    std::unique_ptr<FrmInicio> open()
    {
        auto window = std::make_unique<FrmInicio>(dir.path(), [this](QWidget *, const QString &t, const QString &x) {
            errors.push_back({t, x});
        });
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }
};

} // namespace

TEST_F(FrmInicioTest, DesignedWindow)
{
    auto w = open();
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Configuração da Quintrela"));
    EXPECT_EQ(w->size(), QSize(330, 132));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w->optUm()->geometry(), QRect(3, 3, 322, 31));
    EXPECT_EQ(w->optDois()->geometry(), QRect(3, 45, 322, 43));
    EXPECT_EQ(w->cmdGo()->geometry(), QRect(109, 99, 112, 25));
    EXPECT_EQ(w->cmdGo()->text(), "Atuali&zar");
    EXPECT_EQ(QApplication::focusWidget(), w->cmdGo());
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_EQ(w->optUm()->font().pixelSize(), 13);
}

// Rows of a picture that hold dark (text) pixels.
static int inkRows(const QImage &image)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

TEST_F(FrmInicioTest, OptionCaptionsWrapAndAreNotClipped)
{
    auto w = open();
    for (OptionButton *option : {w->optUm(), w->optDois()}) {
        // The same caption with room to spare shows the same ink: nothing is cut.
        OptionButton roomy(option->text());
        roomy.setFont(option->font());
        roomy.resize(option->width(), option->height() + 40);
        const QRect area = option->captionRect();
        const int shown = inkRows(option->grab(area).toImage());
        const int whole = inkRows(roomy.grab(roomy.captionRect()).toImage());
        EXPECT_EQ(shown, whole) << qPrintable(option->objectName());
        // Wrapped over several lines, not cut at the right edge.
        const QRect needed = QFontMetrics(option->font()).boundingRect(area, Qt::TextWordWrap, option->text());
        EXPECT_LE(needed.width(), area.width());
        EXPECT_GE(needed.height(), 2 * QFontMetrics(option->font()).height());
    }
}

TEST_F(FrmInicioTest, ShowsTheStoredChoiceAndLeavesTheValue)
{
    const std::pair<QByteArray, bool> cases[] = {
        {QByteArray(), false}, {QByteArray("\x00\x00", 2), false}, {QByteArray("\xFF\xFF", 2), true},
        {QByteArray("\x01\x00", 2), true}, {QByteArray("\x00\x80", 2), true}};
    for (const auto &[bytes, umSelected] : cases) {
        QFile::remove(settingsPath());
        if (!bytes.isNull())
            writeBytes(settingsPath(), bytes);
        auto w = open();
        EXPECT_EQ(w->optUm()->isChecked(), umSelected) << bytes.toHex().constData();
        EXPECT_EQ(w->optDois()->isChecked(), !umSelected);
        // Heard as the window opens: the choice in force.
        EXPECT_EQ(w->accessibleDescription(),
                  QString::fromUtf8("Opção escolhida: ") + (umSelected ? w->optUm() : w->optDois())->text());
        EXPECT_EQ(readBytes(settingsPath()), bytes.isEmpty() ? QByteArray("\x00\x00", 2) : bytes);
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(FrmInicioTest, ButtonWritesTheChoiceAndCloses)
{
    writeBytes(settingsPath(), QByteArray("\x01\x00tail", 6));
    auto w = open();
    QSignalSpy saved(w.get(), &FrmInicio::saved);
    QTest::mouseClick(w->cmdGo(), Qt::LeftButton);
    EXPECT_EQ(saved.count(), 1);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(readBytes(settingsPath()), QByteArray("\xFF\xFFtail", 6));

    auto w2 = open();
    QTest::mouseClick(w2->optDois(), Qt::LeftButton, {}, QPoint(200, 20)); // on the caption
    EXPECT_TRUE(w2->optDois()->isChecked());
    EXPECT_FALSE(w2->optUm()->isChecked());
    QTest::mouseClick(w2->cmdGo(), Qt::LeftButton);
    EXPECT_EQ(readBytes(settingsPath()), QByteArray("\x00\x00tail", 6));
}

TEST_F(FrmInicioTest, AltZPressesTheButton)
{
    auto w = open();
    ASSERT_TRUE(w->optDois()->isChecked());
    QTest::mouseClick(w->optUm(), Qt::LeftButton);
    QSignalSpy saved(w.get(), &FrmInicio::saved);
    ASSERT_EQ(w->cmdGo()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Z)) << qPrintable(w->cmdGo()->shortcut().toString());
    // Said to a screen reader, with each option's place in the group.
    const std::pair<QWidget *, const char *> said[] = {
        {w->cmdGo(), "Tecla Alt+Z"}, {w->optUm(), "Opção 1 de 2"}, {w->optDois(), "Opção 2 de 2"}};
    for (const auto &[widget, words] : said)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description), QString::fromUtf8(words));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::AltModifier);
    // A shortcut presses the button visibly: the click lands a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return saved.count() == 1; }, 2000));
    EXPECT_EQ(readBytes(settingsPath()), QByteArray("\xFF\xFF", 2));
}

TEST_F(FrmInicioTest, EnterOrSpaceAtOpenSavesTheChoiceShown)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        writeBytes(settingsPath(), QByteArray("\x07\x00", 2));
        auto w = open();
        QSignalSpy saved(w.get(), &FrmInicio::saved);
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(saved.count(), 1) << key;
        EXPECT_EQ(readBytes(settingsPath()), QByteArray("\xFF\xFF", 2)) << key;
    }
}

TEST_F(FrmInicioTest, UnreadableFileIsToldAndTheSecondOptionShown)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("qtrconf.dat"));
    auto w = open();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].title, "Erro:");
    EXPECT_TRUE(errors[0].text.contains("qtrconf.dat"));
    EXPECT_TRUE(w->optDois()->isChecked());

    // Saving then fails too: the window stays open and says so.
    QSignalSpy saved(w.get(), &FrmInicio::saved);
    QTest::mouseClick(w->cmdGo(), Qt::LeftButton);
    EXPECT_EQ(saved.count(), 0);
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[1].title, "Erro:");
    EXPECT_TRUE(errors[1].text.startsWith(QString::fromUtf8("Não foi possível gravar")));
}

TEST_F(FrmInicioTest, RealMessageBoxOnAFailedSave)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("qtrconf.dat"));
    QString seenTitle;
    QString seenText;
    int boxes = 0;
    // Answer every real box that appears (one at Load, one at the click).
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seenTitle = box->windowTitle();
            seenText = box->text();
            ++boxes;
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(20);
    FrmInicio w(dir.path());
    w.show();
    QTest::mouseClick(w.cmdGo(), Qt::LeftButton);
    closer.stop();
    EXPECT_EQ(boxes, 2);
    EXPECT_EQ(seenTitle, "Erro:");
    EXPECT_TRUE(seenText.contains("qtrconf.dat"));
    EXPECT_TRUE(w.isVisible());
}

TEST_F(FrmInicioTest, TheKeyboardReachesTheChoiceShown)
{
    // Tab lands on the selected option, whichever it is; the arrows move the
    // choice; Space keeps it; nothing is stored before the button.
    for (const QByteArray &stored : {QByteArray("\x00\x00", 2), QByteArray("\xFF\xFF", 2)}) {
        writeBytes(settingsPath(), stored);
        auto w = open();
        OptionButton *shown = stored[0] ? w->optUm() : w->optDois();
        OptionButton *other = stored[0] ? w->optDois() : w->optUm();
        QTest::keyClick(w->cmdGo(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), shown);
        QTest::keyClick(shown, Qt::Key_Space);
        EXPECT_TRUE(shown->isChecked());
        // One stop for the group: the next Tab leaves it.
        QTest::keyClick(shown, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), w->cmdGo());
        QTest::keyClick(w->cmdGo(), Qt::Key_Tab);
        QTest::keyClick(shown, stored[0] ? Qt::Key_Down : Qt::Key_Up);
        EXPECT_TRUE(other->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), other);
        EXPECT_EQ(readBytes(settingsPath()), stored);
        QTest::keyClick(other, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), w->cmdGo());
    }
}
