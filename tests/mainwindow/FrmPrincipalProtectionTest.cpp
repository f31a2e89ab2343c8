#include "FrmPrincipalControls.h"
#include "MainWindowFixture.h"

#include "Autostart.h"
#include "HistoryStore.h"
#include "ProtectedHistories.h"
#include "ProtectionSession.h"
#include "ProtectedReminders.h"
#include "ReminderSetting.h"
#include "SavedLine.h"
#include "UserRecord.h"

#include <QAccessible>
#include <QDir>
#include <QDialog>
#include <QDirIterator>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class FrmPrincipalProtectionTest : public MainWindowFixture
{
protected:
    // The open dialog's fields filled and its default button pressed, once it shows.
    void answerDialog(const QStringList &texts)
    {
        QTimer::singleShot(0, [texts] {
            QWidget *dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            const QList<QLineEdit *> fields = dialog->findChildren<QLineEdit *>();
            for (int i = 0; i < texts.size() && i < fields.size(); ++i)
                fields[i]->setText(texts[i]);
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                if (button->isDefault())
                    button->click();
        });
    }
};

} // namespace

// The dialog's passphrase fields are heard as password fields, showing and
// saying no character; a short or mistyped passphrase is refused there; a
// good one takes her out of the list and of quintrela.dat.
TEST_F(FrmPrincipalProtectionTest, ProtectingAsksThePassphraseTwiceInPasswordFields)
{
    const QByteArray ana = UserRecord{"Ana", "28", "05/01/2026"}.encode();
    TestSupport::writeBytes(recordsPath(), ana + UserRecord{"Maria", "30", "02/03/2026"}.encode());
    FrmPrincipal &w = open();
    const FrmPrincipalControls c(w);
    type(c.cmbNome()->lineEdit(), "Maria");
    QStringList refusals;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto *passphrase = dialog->findChild<QLineEdit *>("txtSenha");
        auto *confirmation = dialog->findChild<QLineEdit *>("txtConfirmacao");
        auto *refusal = dialog->findChild<QLabel *>("lblRecusa");
        for (QLineEdit *field : {passphrase, confirmation}) {
            EXPECT_EQ(field->echoMode(), QLineEdit::Password);
            EXPECT_TRUE(QAccessible::queryAccessibleInterface(field)->state().passwordEdit);
        }
        passphrase->setText("lua cheia de março");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(passphrase)->text(QAccessible::Value).contains("lua"), false);
        EXPECT_EQ(dialog->findChild<QLabel *>("lblForca")->text(), "Forte.");
        for (const char *confirmed : {"lua cheia de marco", ""}) {
            confirmation->setText(QString::fromUtf8(confirmed));
            static_cast<QDialog *>(dialog)->accept();
            refusals << refusal->text();
        }
        passphrase->setText("curta");
        static_cast<QDialog *>(dialog)->accept();
        refusals << refusal->text();
        EXPECT_TRUE(dialog->isVisible());
        passphrase->setText("lua cheia de março");
        confirmation->setText("lua cheia de março");
        static_cast<QDialog *>(dialog)->accept();
    });
    w.protectName();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(TestSupport::readBytes(recordsPath()), ana);
    EXPECT_EQ(c.cmbNome()->count(), 2) << "offered while open";
    w.lockProtected();
    EXPECT_EQ(c.cmbNome()->count(), 1);
    EXPECT_EQ(ProtectedHistories(dir.path()).open("Maria", "lua cheia de março").store(dir.path()).starts("Maria").starts,
              QList<QDate>{QDate(2026, 3, 2)});
    EXPECT_EQ(refusals, (QStringList{"As duas senhas digitadas não são iguais. Digite a mesma senha nos dois campos.",
                                     "As duas senhas digitadas não são iguais. Digite a mesma senha nos dois campos.",
                                     "A senha precisa ter pelo menos 8 caracteres."}));
}

// Opened by her name and passphrase, she consults as always, but nothing of
// hers reaches quintrela.dat; locked, her name, fields and marks are gone.
TEST_F(FrmPrincipalProtectionTest, HerProtectedDataOpensConsultsAndLocksAgain)
{
    TestSupport::writeBytes(recordsPath(), UserRecord{"Ana", "28", "05/01/2026"}.encode()
                                               + UserRecord{"Maria", "30", "02/03/2026"}.encode());
    const ProtectedHistories histories(dir.path(), {1, 8192});
    ASSERT_TRUE(histories.protect("Maria", "lua cheia de março").ok());
    const QByteArray records = TestSupport::readBytes(recordsPath());
    FrmPrincipal &w = open();
    const FrmPrincipalControls c(w);
    ASSERT_EQ(c.cmbNome()->count(), 1);

    answerDialog({"Maria", "lua cheia de marco"});
    QTimer::singleShot(50, [] {
        // A wrong passphrase: told, and the dialog stays for another try.
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->findChild<QLabel *>("lblRecusa")->text(),
                  "O nome ou a senha não conferem. Confira os dois e tente de novo.");
        dialog->findChild<QLineEdit *>("txtSenha")->setText("lua cheia de março");
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::keyClick(c.cmbNome(), Qt::Key_O, Qt::ControlModifier);
    // The dialog gone, the desktop gives the window its focus back.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(c.cmbNome()->currentText(), "Maria");
    EXPECT_EQ(c.txtUltima()->text(), "02/03/2026");
    EXPECT_EQ(c.txtPeriodo()->text(), "30");
    EXPECT_EQ(c.cmbNome()->count(), 2);

    consult("Maria", "05/04/2026", "29");
    EXPECT_TRUE(questions.empty()) << "asked to remember a protected name";
    EXPECT_EQ(TestSupport::readBytes(recordsPath()), records);
    EXPECT_EQ(histories.open("Maria", "lua cheia de março").store(dir.path()).starts("Maria").starts,
              (QList<QDate>{QDate(2026, 3, 2), QDate(2026, 4, 5)}));
    EXPECT_TRUE(HistoryStore(dir.path()).starts("Maria").starts.isEmpty());
    EXPECT_EQ(state->CurrentName, "Maria");

    // What leaves the program is not protected: told once, and named without her.
    QTest::keyClick(c.txtPeriodo(), Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(c.txtPeriodo(), Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(c.txtPeriodo(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("não estará")) << messages[0].text.toStdString();
    ASSERT_EQ(suggestedPaths.size(), 3);
    for (const QString &suggested : suggestedPaths)
        EXPECT_FALSE(suggested.contains("Maria")) << suggested.toStdString();

    QTest::keyClick(c.txtPeriodo(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(c.cmbNome()->currentText(), QString());
    EXPECT_EQ(c.txtUltima()->text(), QString());
    EXPECT_EQ(c.txtPeriodo()->text(), QString());
    EXPECT_EQ(c.cmbNome()->count(), 1);
    EXPECT_TRUE(state->CurrentName.isEmpty());
    EXPECT_EQ(state->DayMarks.at(QDate(2026, 4, 5)), state->DayMarks.at(QDate(2026, 1, 1)));
}

// Her protected data, once open: a new passphrase, the protection removed,
// everything erased (asked twice, "Não" leaving it all).
TEST_F(FrmPrincipalProtectionTest, HerProtectedDataIsHersToRekeyUnprotectOrErase)
{
    const QByteArray ana = UserRecord{"Ana", "28", "05/01/2026"}.encode(),
                     maria = UserRecord{"Maria", "30", "02/03/2026"}.encode();
    TestSupport::writeBytes(recordsPath(), ana + maria);
    const ProtectedHistories histories(dir.path(), {1, 8192});
    ASSERT_TRUE(histories.protect("Maria", "lua cheia de março").ok());
    FrmPrincipal &w = open();
    const auto openHer = [&](const QString &passphrase) {
        answerDialog({"Maria", passphrase});
        w.openProtected();
    };

    w.removeProtection();
    ASSERT_EQ(messages.size(), 1u) << "done with nothing open";
    openHer("lua cheia de março");
    number = 20;
    w.chooseIdleMinutes();
    EXPECT_EQ(messages.size(), 1u);
    questions.clear();
    answerDialog({"sol de inverno 2027", "sol de inverno 2027"});
    w.changePassphrase();
    EXPECT_FALSE(histories.open("Maria", "lua cheia de março").ok());
    EXPECT_TRUE(histories.open("Maria", "sol de inverno 2027").ok());
    const auto chosen = histories.open("Maria", "sol de inverno 2027");
    EXPECT_EQ(chosen.store(dir.path()).preference("Maria", ProtectionSession::idlePreference).value, "20")
        << "her minutes lost with her new passphrase";

    answers = {true, false};
    w.eraseProtected();
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_TRUE(histories.open("Maria", "sol de inverno 2027").ok()) << "erased after a no";

    w.removeProtection();
    EXPECT_EQ(TestSupport::readBytes(recordsPath()), ana + maria);
    EXPECT_EQ(HistoryStore(dir.path()).starts("Maria").starts, QList<QDate>{QDate(2026, 3, 2)});
    EXPECT_FALSE(histories.open("Maria", "sol de inverno 2027").ok());

    ASSERT_TRUE(histories.protect("Maria", "lua cheia de março").ok());
    openHer("lua cheia de março");
    answers = {true, true};
    w.eraseProtected();
    EXPECT_FALSE(histories.open("Maria", "lua cheia de março").ok());
    EXPECT_EQ(TestSupport::readBytes(recordsPath()), ana);
    for (const QString &file : QDir(dir.path()).entryList(QDir::Files))
        EXPECT_FALSE(ProtectedHistories::isProtectedFileName(file)) << file.toStdString();
}

// An evening with a protected name (protected before her first consultation,
// consulted, exported, locked): no file under her data folder, her home's
// config, cache and data folders or the temporary folder holds her name, in
// any of the encodings a file could carry it, or the date she typed.
TEST_F(FrmPrincipalProtectionTest, AnEveningWithAProtectedNameLeavesNothingOfHersToRead)
{
    QTemporaryDir home, elsewhere;
    const QStringList variables{"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "TMPDIR"};
    QList<QByteArray> before;
    for (const QString &variable : variables) {
        before << qgetenv(variable.toLatin1());
        const QString place = variable == "HOME" ? home.path() : home.path() + "/" + variable;
        QDir().mkpath(place);
        qputenv(variable.toLatin1(), QFile::encodeName(place));
    }
    const QString name = QString::fromUtf8("Zefirina Conceição");
    FrmPrincipal &w = open();
    const FrmPrincipalControls c(w);
    type(c.cmbNome()->lineEdit(), name);
    answerDialog({"lua cheia de março", "lua cheia de março"});
    w.protectName();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    consult(name, "19/11/1991", "29");
    // A note of her day, in her words.
    QTimer::singleShot(0, [] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPlainTextEdit *>("txtNota")->setPlainText("enxaqueca de novembro");
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            if (button->isDefault())
                button->click();
    });
    w.noteDay(QDate(1991, 12, 2)); // December 1991 is on view: its 2nd is the second cell
    EXPECT_TRUE(c.lblDia(1)->toolTip().contains("enxaqueca de novembro")) << "the day was not noted";
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    savePath = elsewhere.filePath("agenda.ics");
    QTest::keyClick(c.txtPeriodo(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(savePath)) << "the evening did not export";
    w.lockProtected();
    window.reset();

    const QList<QByteArray> needles{name.toUtf8(),
                                    QByteArray(reinterpret_cast<const char *>(name.utf16()), name.size() * 2),
                                    name.toLatin1(), // Windows-1252 writes these letters as Latin-1 does
                                    name.toUpper().toLatin1(), "19/11/1991", "1991-11-19",
                                    "1991-12-02", "enxaqueca de novembro"};
    int files = 0;
    for (const QString &root : {dir.path(), home.path()}) {
        QDirIterator found(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (found.hasNext()) {
            const QString file = found.next();
            ++files;
            const QByteArray bytes = TestSupport::readBytes(file);
            for (const QByteArray &needle : needles)
                EXPECT_FALSE(bytes.contains(needle)) << file.toStdString() << " holds " << needle.toStdString();
        }
    }
    EXPECT_GE(files, 3); // her sealed file, the lock, the setting
    for (int i = 0; i < variables.size(); ++i)
        qputenv(variables[i].toLatin1(), before[i]);
}

// Histórico offers the protection too; a protected name's Histórico does not.
TEST_F(FrmPrincipalProtectionTest, HistoricoLeadsToProtectingHerName)
{
    TestSupport::writeBytes(recordsPath(), UserRecord{"Maria", "30", "02/03/2026"}.encode());
    FrmPrincipal &w = open();
    type(ui(w).cmbNome()->lineEdit(), "Maria");
    QTimer::singleShot(0, [this] {
        QWidget *history = QApplication::activeModalWidget();
        ASSERT_NE(history, nullptr);
        answerDialog({"lua cheia de março", "lua cheia de março"});
        history->findChild<QPushButton *>("cmdProteger")->click();
    });
    w.openHistory();
    EXPECT_TRUE(ProtectedHistories(dir.path()).open("Maria", "lua cheia de março").ok());
    EXPECT_TRUE(TestSupport::readBytes(recordsPath()).isEmpty());
    bool offered = true;
    QTimer::singleShot(0, [&offered] {
        QWidget *history = QApplication::activeModalWidget();
        ASSERT_NE(history, nullptr);
        offered = history->findChild<QPushButton *>("cmdProteger")->isVisible();
        history->close();
    });
    w.openHistory();
    EXPECT_FALSE(offered);
}

// A start she confirmed from her reminder while her file was shut is in her
// history as soon as she opens it, and she is told so; her session's entry
// goes with her reminder when her data is erased.
TEST_F(FrmPrincipalProtectionTest, AStartSheConfirmedFromHerReminderJoinsHerHistoryWhenSheOpensIt)
{
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    const ProtectedHistories histories(dir.path(), {1, 8192});
    const ProtectedHistories::Opened made = histories.create("Maria", "lua cheia de março");
    const HistoryStore sealed = made.store(dir.path());
    ASSERT_TRUE(sealed.add("Maria", {QDate(2026, 8, 13), QDate(2026, 9, 10), QDate(2026, 10, 8), QDate(2026, 11, 5)})
                    .problem.ok());
    ASSERT_TRUE(ReminderSetting::choose(sealed, "Maria", ReminderChoice{2, true}, "/q/Quintrela",
                                        ReminderSetting::Sealed{made.file, today})
                    .history.ok());
    const ProtectedReminders outside(dir.path());
    ProtectedReminder kept = outside.all().kept.value(0).reminder;
    kept.started = {QDate(2026, 12, 3)};
    ASSERT_TRUE(outside.set(made.file, kept).ok());
    ASSERT_TRUE(Autostart::installed());

    FrmPrincipal &w = open();
    answerDialog({"Maria", "lua cheia de março"});
    w.openProtected();
    EXPECT_EQ(sealed.starts("Maria").starts.value(4), QDate(2026, 12, 3));
    EXPECT_TRUE(outside.all().kept.value(0).reminder.started.isEmpty());
    EXPECT_TRUE(w.findChild<SavedLine *>()->toolTip().endsWith(
        QString::fromUtf8("Início confirmado no lembrete, agora no histórico: 03/12/2026.")))
        << w.findChild<SavedLine *>()->toolTip().toStdString();

    // A new passphrase: her reminder follows her new file.
    answerDialog({"sol de inverno 2027", "sol de inverno 2027"});
    w.changePassphrase();
    ASSERT_EQ(outside.all().kept.size(), 1);
    EXPECT_FALSE(outside.all().kept[0].file == made.file);

    answers = {true, true};
    w.eraseProtected();
    EXPECT_TRUE(outside.all().kept.isEmpty());
    EXPECT_FALSE(Autostart::installed());
    qputenv("XDG_CONFIG_HOME", config);
}

// A reminder turned on for her open name does not follow her under a
// passphrase unasked: it is turned off, she is told, and nothing of hers is
// kept outside her sealed file.
TEST_F(FrmPrincipalProtectionTest, ProtectingHerNameTurnsHerReminderOffUntilSheChoosesItAgain)
{
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    const HistoryStore herOpenFile(dir.path());
    ASSERT_TRUE(herOpenFile.add("Maria", {QDate(2026, 10, 8), QDate(2026, 11, 5)}).problem.ok());
    ASSERT_TRUE(ReminderSetting::choose(herOpenFile, "Maria", ReminderChoice{}, "/q/Quintrela").history.ok());
    ASSERT_TRUE(Autostart::installed());
    FrmPrincipal &w = open();
    type(FrmPrincipalControls(w).cmbNome()->lineEdit(), "Maria");
    answerDialog({"lua cheia de março", "lua cheia de março"});
    w.protectName();
    EXPECT_TRUE(w.findChild<SavedLine *>()->toolTip().endsWith(
        QString::fromUtf8("ligue-o de novo no Histórico.")))
        << w.findChild<SavedLine *>()->toolTip().toStdString();
    EXPECT_EQ(ProtectedHistories(dir.path()).open("Maria", "lua cheia de março").store(dir.path())
                  .preference("Maria", ReminderChoice::key).value, "");
    EXPECT_TRUE(ProtectedReminders(dir.path()).all().kept.isEmpty());
    EXPECT_FALSE(Autostart::installed());
    qputenv("XDG_CONFIG_HOME", config);
}
