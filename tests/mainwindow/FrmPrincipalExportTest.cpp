// The calendar area's menu from the window: export to the user's calendar,
// the PDF on demand, and where their dialogs start.

#include "MainWindowFixture.h"
#include "FrmPrincipalControls.h"
#include "PdfWords.h"
#include "PictureBox.h"
#include "MainWindowTexts.h"
#include "SaveLocation.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QFileDialog>
#include <QMenu>
#include <QTimer>

namespace {

class FrmPrincipalExportTest : public MainWindowFixture
{
protected:
    struct Asked
    {
        QString title, suggested;
    };
    std::vector<Asked> asked;
    QString answer; // the path the user chooses

    QTemporaryDir home;
    QByteArray savedHome = qgetenv("HOME");
    QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");

    void SetUp() override
    {
        // A home of her own, with no user-dirs file: Documents is ~/Documents.
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
        TestSupport::writeBytes(settingsPath(), QByteArray("\xFF\xFF", 2));
    }
    void TearDown() override
    {
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }

    FrmPrincipal &openWindow()
    {
        WindowServices s = services();
        s.chooseSavePath = [this](QWidget *, const QString &title, const QString &suggested, const QString &) {
            asked.push_back({title, suggested});
            return answer;
        };
        window = std::make_unique<FrmPrincipal>(*state, dir.path(), s);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }
};

} // namespace

TEST_F(FrmPrincipalExportTest, NothingToExportBeforeAConsultation)
{
    FrmPrincipal &w = openWindow();
    QTest::keyClick(ui(w).cmbNome(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Exportar para a agenda");
    EXPECT_TRUE(messages[0].text.startsWith(QString::fromUtf8("Ainda não há nada para exportar")));
    EXPECT_TRUE(asked.empty());
}

TEST_F(FrmPrincipalExportTest, CtrlEInTheNameBoxSavesTheCalendarFromTheHome)
{
    FrmPrincipal &w = openWindow();
    consult("Maria", "01/03/2001", "28");
    answer = dir.filePath("agenda.ics");
    // Typed in the name box, where Ctrl+E would otherwise move to the end of the line.
    ui(w).cmbNome()->setFocus();
    QTest::keyClick(ui(w).cmbNome(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, "Exportar para a agenda");
    EXPECT_EQ(asked[0].suggested, home.path() + "/Quintrela Maria.ics"); // no Documents folder: the home
    const QByteArray ics = TestSupport::readBytes(answer);
    EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR"));
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), 72);
    EXPECT_TRUE(ics.contains("DTSTART;VALUE=DATE:20010328"));
    EXPECT_TRUE(messages.empty());

    // With a Documents folder, there; a file that cannot be written is told.
    QDir(home.path()).mkdir("Documents");
    answer = "/nonexistent-folder/agenda.ics";
    QTest::keyClick(ui(w).cmbNome(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(asked.back().suggested, home.path() + "/Documents/Quintrela Maria.ics");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Erro:");
}

TEST_F(FrmPrincipalExportTest, TheCalendarMenuAndThePdfOnDemand)
{
    FrmPrincipal &w = openWindow();
    consult("Maria", "01/03/2001", "28");
    // A right click on the calendar (over a day) opens its menu.
    QTest::mouseClick(w.windowHandle(), Qt::RightButton, {}, QPoint(240, 200));
    auto *menu = w.findChild<QMenu *>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
    // As a screen reader gets it: a menu by name, each item with its keys.
    QStringList items;
    QAccessibleInterface *said = QAccessible::queryAccessibleInterface(menu);
    for (int i = 0; i < said->childCount(); ++i)
        items << said->child(i)->text(QAccessible::Name);
    for (QAction *action : menu->actions())
        EXPECT_TRUE(items.join('|').contains(action->shortcut().toString())) << qPrintable(items.join('|'));
    EXPECT_EQ(said->text(QAccessible::Name), QString::fromUtf8("Menu do calendário"));
    menu->close();
    EXPECT_EQ(items, QStringList({QString::fromUtf8("Exportar para a agenda (iCalendar)…\tCtrl+E"),
                                  QString::fromUtf8("Salvar o calendário em PDF…\tCtrl+S"), "Imprimir\tCtrl+P",
                                  QString::fromUtf8("Histórico dos ciclos…\tCtrl+H"),
                                  QString::fromUtf8("Anotar o dia…\tCtrl+D"),
                                  QString::fromUtf8("Incluir anotações ao imprimir"), QString(),
                                  QString::fromUtf8("Proteger com senha…"),
                                  QString::fromUtf8("Abrir dados protegidos…\tCtrl+O"), "Bloquear\tCtrl+L",
                                  QString::fromUtf8("Bloquear sozinho após…"), QString::fromUtf8("Mudar a senha…"), QString::fromUtf8("Remover a proteção…"),
                                  QString::fromUtf8("Apagar todos os meus dados…")}));

    // Ctrl+S keeps the month on view as the printed page, with or without a printer.
    answer = dir.filePath("marco.pdf");
    QTest::keyClick(ui(w).txtUltima(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].title, QString::fromUtf8("Salvar o calendário como PDF"));
    EXPECT_EQ(asked[0].suggested, home.path() + "/Quintrela 2001-03.pdf");
    const PdfPage page = readPdfPage(answer);
    EXPECT_FALSE(page.find(QString::fromUtf8("Março")).isEmpty());
    EXPECT_EQ(page.lineStartingWith(QString::fromUtf8("Calendário")), QString::fromUtf8("Calendário menstrual de Maria"));
}

TEST(SaveLocationTest, FileNamesLoseWhatNamesAFolder)
{
    EXPECT_EQ(SaveLocation::fileNameFor("Ana/Bia\\Cris"), "Ana-Bia-Cris");
    EXPECT_EQ(SaveLocation::fileNameFor("Ana? <Bia>: \"C|D*\""), "Ana- -Bia-- -C-D--");
    EXPECT_EQ(SaveLocation::fileNameFor(QString::fromUtf8(" José ")), QString::fromUtf8("José"));
}

TEST(SaveLocationTest, SuggestionsFitAFileSystemAndBareNamesGetTheirSuffix)
{
    const struct
    {
        QString name;
        qsizetype bytes; // of the suggested file name
        const char *ends;
    } cases[] = {
        {"Quintrela Maria.ics", 19, "Maria.ics"},
        {"Quintrela " + QString(200, QChar(0xE1)) + ".ics", 254, "\xc3\xa1.ics"}, // cut between letters
        {"Quintrela " + QString(300, 'a') + ".pdf", 255, "a.pdf"},
    };
    for (const auto &c : cases) {
        const QString fileName = QFileInfo(SaveLocation::suggested(c.name)).fileName();
        EXPECT_EQ(fileName.toUtf8().size(), c.bytes) << qPrintable(c.name.left(20));
        EXPECT_TRUE(fileName.endsWith(QString::fromUtf8(c.ends))) << qPrintable(fileName);
    }

    QTemporaryDir dir;
    for (const auto &[filter, expected] : {std::pair{MainWindowTexts::pdfFilter, "maio.pdf"},
                                           std::pair{MainWindowTexts::exportFilter, "maio.ics"}}) {
        QTimer::singleShot(100, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (auto *name = dialog->findChild<QLineEdit *>("fileNameEdit"))
                name->setText("maio"); // typed without a suffix
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const QString chosen = WindowServices::standard().chooseSavePath(nullptr, "t", dir.filePath("x.pdf"), filter);
        EXPECT_EQ(QFileInfo(chosen).fileName(), expected);
    }
}
