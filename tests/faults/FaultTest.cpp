// What the two programs tell the user when the machine misbehaves, and that
// nothing stored is lost or damaged meanwhile.

#include "FakePrintQueue.h"
#include "FrmPrincipalControls.h"
#include "FrmInicio.h"
#include "FrmPrincipal.h"
#include "ImageButton.h"
#include "OptionButton.h"
#include "PdfWords.h"
#include "TestSupport.h"
#include "UserRecord.h"
#include "fQuintrela.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QApplication>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

QByteArray record(const QString &name, const char *cycle = "28", const char *date = "01/03/2001")
{
    return UserRecord{name, cycle, date}.encode();
}

// A main window in a folder, with what it says kept.
struct Session
{
    fQuintrela state;
    QStringList told;   // "title|text" of every message box
    QStringList asked;  // every question
    bool answer = true;
    std::unique_ptr<FrmPrincipal> window;

    explicit Session(const QString &folder, const QString &printerFile = {})
    {
        WindowServices s = WindowServices::standard();
        if (!printerFile.isEmpty())
            s.defaultPrinter = [printerFile] { return std::make_unique<FakePrintQueue>(printerFile); };
        s.message = [this](QWidget *, QMessageBox::Icon, const QString &t, const QString &x) { told << t + "|" + x; };
        s.askYesNo = [this](QWidget *, const QString &t, const QString &x) {
            asked << t + "|" + x;
            return answer;
        };
        s.askToDestroy = s.askYesNo;
        s.today = [] { return QDate(2026, 12, 7); };
        s.openUrl = [](const QUrl &) {};
        window = std::make_unique<FrmPrincipal>(state, folder, s);
    }
    void consult(const QString &name, const QString &date = "01/03/2001", const QString &cycle = "28")
    {
        ui(*window).cmbNome()->setEditText(name);
        ui(*window).txtUltima()->setText(date);
        ui(*window).txtPeriodo()->setText(cycle);
        window->imgCalcularClick();
    }
    bool calendarShown() const { return ui(*window).lblMes()->text() == QString::fromUtf8("Março de 2001"); }
};

class FaultTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString records() const { return dir.path() + "/quintrela.dat"; }
    QString settings() const { return dir.path() + "/qtrconf.dat"; }

    void makeReadOnly(const QString &path)
    {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther | QFileDevice::ExeOwner
                                        | QFileDevice::ExeOther);
    }
};

} // namespace

TEST_F(FaultTest, ReadOnlyProgramFolder)
{
    const QByteArray stored = record("Maria") + record("Ana", "30", "02/02/2002");
    writeBytes(records(), stored);
    writeBytes(settings(), QByteArray("\xFF\xFF", 2));
    TestSupport::openToEveryone(dir.path());
    makeReadOnly(records());
    makeReadOnly(settings());
    makeReadOnly(dir.path());
    const QString folder = dir.path();
    // Run as an ordinary user: the folder and files cannot be written.
    const int code = TestSupport::runUnprivileged([&] {
        Session main(folder);
        if (!main.told.isEmpty() || !main.state.EndDateIsNext || ui(*main.window).cmbNome()->count() != 2)
            return 1;
        main.consult("maria"); // an update it cannot write
        if (main.told.size() != 1 || !main.told[0].startsWith(QString::fromUtf8("Erro:|Não foi possível gravar"))
            || !main.calendarShown())
            return 2;
        main.consult("Nova"); // a file it cannot write: no point asking to add the name
        if (main.told.size() != 2 || !main.asked.isEmpty())
            return 3;
        QStringList settingsTold;
        FrmInicio config(folder, [&](QWidget *, const QString &t, const QString &x) { settingsTold << t + "|" + x; });
        if (!config.optUm()->isChecked() || !settingsTold.isEmpty())
            return 4;
        config.optDois()->setChecked(true);
        config.cmdGo()->click();
        if (settingsTold.size() != 1 || !settingsTold[0].startsWith(QString::fromUtf8("Erro:|Não foi possível gravar")))
            return 5;
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readBytes(records()), stored);
    EXPECT_EQ(readBytes(settings()), QByteArray("\xFF\xFF", 2));
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7700));
}

TEST_F(FaultTest, EnterInTheNameBoxCalculatesOnceWhenTheSaveFails)
{
    // A remembered name typed in full, with a new date and cycle, and a file
    // the program cannot write: the calendar and the fields show what was typed.
    writeBytes(records(), record("Maria", "28", "01/01/2001"));
    TestSupport::openToEveryone(dir.path());
    makeReadOnly(records());
    const QString folder = dir.path();
    const int code = TestSupport::runUnprivileged([&] {
        Session main(folder);
        main.window->show();
        QLineEdit *name = ui(*main.window).cmbNome()->lineEdit();
        name->setText("Maria");
        ui(*main.window).txtUltima()->setText("01/03/2001");
        ui(*main.window).txtPeriodo()->setText("30");
        ui(*main.window).cmbNome()->setFocus();
        QTest::keyClick(ui(*main.window).cmbNome(), Qt::Key_Return);
        if (main.told.size() != 1 || !main.calendarShown())
            return 1;
        if (ui(*main.window).txtUltima()->text() != "01/03/2001" || ui(*main.window).txtPeriodo()->text() != "30")
            return 2;
        if (name->selectedText() != "Maria")
            return 3;
        return 0;
    });
    EXPECT_EQ(code, 0);
}

TEST_F(FaultTest, UnreadableFiles)
{
    const QByteArray stored = record("Maria");
    writeBytes(records(), stored);
    writeBytes(settings(), QByteArray("\xFF\xFF", 2));
    TestSupport::openToEveryone(dir.path());
    QFile::setPermissions(records(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(settings(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QString folder = dir.path();
    const int code = TestSupport::runUnprivileged([&] {
        Session main(folder);
        // Told once about each file; the program goes on with the value 0.
        if (main.told.size() != 2 || !main.told[0].contains("qtrconf.dat") || !main.told[1].contains("quintrela.dat"))
            return 1;
        if (main.state.EndDateIsNext || ui(*main.window).cmbNome()->count() != 0)
            return 2;
        main.consult("Maria"); // told it was not saved, not told again it cannot be read
        if (main.told.size() != 3 || !main.told[2].startsWith(QString::fromUtf8("Erro:|Não foi possível gravar"))
            || !main.calendarShown())
            return 3;
        QStringList settingsTold;
        FrmInicio config(folder, [&](QWidget *, const QString &t, const QString &x) { settingsTold << t + "|" + x; });
        if (settingsTold.size() != 1 || !config.optDois()->isChecked())
            return 4;
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readBytes(records()), stored);
    EXPECT_EQ(readBytes(settings()), QByteArray("\xFF\xFF", 2));
}

TEST_F(FaultTest, DiskFullInTheMiddleOfASave)
{
    const QByteArray stored = record("Maria") + record("Ana") + record("Bia");
    writeBytes(records(), stored);
    const QString folder = dir.path();
    // A file size limit stops the write half-way through the new record, as a full disk does.
    const int code = TestSupport::runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(stored.size() + 50), rlim_t(stored.size() + 50)};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 9;
        Session main(folder);
        main.consult("Nova");
        if (main.told.size() != 1 || !main.told[0].startsWith(QString::fromUtf8("Erro:|Não foi possível gravar"))
            || !main.calendarShown())
            return 1;
        main.consult("ana", "05/05/2005", "30"); // an update needs no room: it is kept
        // Her history does need room: told that it was not kept, once.
        if (main.told.size() != 2 || !main.told[1].contains(QString::fromUtf8("O seu histórico não foi guardado")))
            return 2;
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readBytes(records()), record("Maria") + record("ana", "30", "05/05/2005") + record("Bia"));
}

TEST_F(FaultTest, OddFilesAreReadAndHealedWithoutLoss)
{
    // Truncated tails, bytes Windows-1252 leaves undefined, NUL bytes and a name of blanks.
    const QByteArray odd = QByteArray("Ana\x81\x8D\x8F\x90\x9D", 8);
    const QByteArray nul = QByteArray("Bia\0Cruz", 8);
    const QByteArray whole = odd.leftJustified(120, ' ') + "2801/03/2001" + nul.leftJustified(120, ' ')
                             + "2702/02/2002" + QByteArray(120, ' ') + "2603/03/2003";
    for (int tail : {1, 60, 131}) {
        writeBytes(records(), whole + QByteArray(tail, 'x'));
        Session main(dir.path());
        ASSERT_TRUE(main.told.isEmpty());
        QComboBox *names = ui(*main.window).cmbNome();
        ASSERT_EQ(names->count(), 3) << tail;
        EXPECT_EQ(names->itemText(2), "");
        // Picking the odd name fills its fields, and saving it again finds it.
        names->setCurrentIndex(0);
        emit names->activated(0);
        EXPECT_EQ(ui(*main.window).txtUltima()->text(), "01/03/2001");
        main.consult(names->currentText(), "04/04/2004", "29");
        EXPECT_TRUE(main.asked.isEmpty()) << tail;
        const QByteArray after = readBytes(records());
        EXPECT_EQ(after.left(120), odd.leftJustified(120, ' '));
        EXPECT_EQ(after.mid(120, 12), "2904/04/2004");
        EXPECT_EQ(after.mid(132, 264), whole.mid(132, 264)); // the others untouched
        EXPECT_EQ(after.size(), whole.size() + tail);        // the tail is left for the next append
        names->setCurrentIndex(1);
        emit names->activated(1);
        EXPECT_EQ(ui(*main.window).txtUltima()->text(), "02/02/2002");
        // A new name takes the torn tail's place: only whole records remain.
        main.consult("Nova");
        EXPECT_EQ(readBytes(records()).size(), whole.size() + 132);
    }
}

TEST_F(FaultTest, StoredNamesAreShownAsPlainText)
{
    const QString tags[] = {"<b>x</b>", "<img src=\"file:///etc/passwd\">", "&amp; <i>y"};
    QByteArray bytes;
    for (const QString &t : tags)
        bytes += record(t);
    writeBytes(records(), bytes);
    const QString pdf = dir.path() + "/page.pdf";
    Session main(dir.path(), pdf);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ui(*main.window).cmbNome()->itemText(i), tags[i]);
    ui(*main.window).cmbNome()->setCurrentIndex(0);
    emit ui(*main.window).cmbNome()->activated(0);
    EXPECT_EQ(ui(*main.window).cmbNome()->currentText(), "<b>x</b>");
    main.consult("<b>x</b>");
    EXPECT_EQ(main.state.CurrentName, "<b>x</b>");
    EXPECT_TRUE(main.asked.isEmpty());

    // The printed heading carries the name as typed.
    main.window->imgImprimirClick();
    EXPECT_EQ(readPdfPage(pdf).lineStartingWith(QString::fromUtf8("Calendário")),
              QString::fromUtf8("Calendário menstrual de <b>x</b>"));
    // Message boxes take no markup either.
    WindowServices services = WindowServices::standard();
    QString shownText;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(50, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shownText = box->text();
            format = box->textFormat();
            box->accept();
        }
    });
    services.message(nullptr, QMessageBox::Critical, "Erro:", "<b>x</b>");
    EXPECT_EQ(shownText, "<b>x</b>");
    EXPECT_EQ(format, Qt::PlainText);
}

TEST_F(FaultTest, KilledInTheMiddleOfSavingLosesNothingSaved)
{
    const QString saver = QCoreApplication::applicationDirPath() + "/record_saver";
    QSet<QString> saved;
    int kills = 0;
    for (int round = 0; round < 25; ++round) {
        QProcess p;
        p.start(saver, {dir.path(), QStringLiteral("k%1-").arg(round), "100000"});
        ASSERT_TRUE(p.waitForStarted());
        // Killed at a random point once it is saving, however slowly it starts.
        p.waitForReadyRead(10000);
        QTest::qWait(QRandomGenerator::global()->bounded(100));
        ::kill(pid_t(p.processId()), SIGKILL);
        ASSERT_TRUE(p.waitForFinished());
        kills += p.exitStatus() == QProcess::CrashExit;
        for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                saved.insert(QString::fromLatin1(line));

        const QByteArray bytes = readBytes(records());
        ASSERT_EQ(bytes.size() % 132, 0) << "round " << round;
        QSet<QString> inFile;
        for (const UserRecord &r : UserRecordsFile::records(bytes)) {
            const QString name = r.Nome.trimmed();
            ASSERT_TRUE(name.startsWith('k') && r.Periodo == "28" && r.Ultima == "01/03/2001") << qPrintable(name);
            ASSERT_FALSE(inFile.contains(name)) << qPrintable(name);
            inFile.insert(name);
        }
        for (const QString &name : saved)
            ASSERT_TRUE(inFile.contains(name)) << qPrintable(name) << " lost in round " << round;
    }
    EXPECT_EQ(kills, 25);
    EXPECT_GT(saved.size(), 100);
    std::printf("records saved before %d kills: %lld, all kept\n", kills, qlonglong(saved.size()));
}

TEST_F(FaultTest, RecordsStayPrivateAfterAnotherCopySaves)
{
    writeBytes(records(), record("Maria"));
    QFile::setPermissions(records(), QFileDevice::Permissions(0x6644));
    QProcess other;
    other.start(QCoreApplication::applicationDirPath() + "/record_saver", {dir.path(), "outra-", "3"});
    ASSERT_TRUE(other.waitForFinished());
    EXPECT_EQ(other.exitCode(), 0);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(records()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    Session main(dir.path());
    main.consult("Maria");
    ASSERT_EQ(::stat(QFile::encodeName(records()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(readBytes(records()).size(), 4 * 132);
}

TEST_F(FaultTest, ARefusedSaveSaysWhyAndWritesNothingElsewhere)
{
    TestSupport::SmallDisk disk(256);
    if (!disk.mounted() && ::geteuid() == 0)
        FAIL() << "a small tmpfs could not be mounted";
    const QString victim = dir.path() + "/victim";
    const QString shared = dir.path() + "/shared";
    const struct
    {
        const char *fault;
        QString folder;                              // where the programs keep their files
        std::function<void(const QString &)> before; // done to that folder after start
        const char *told;                            // the cause, as said
        bool settingsRefused;                        // qtrconfg cannot save either
        bool settingsUnread = false;                 // nor read: it says so as it opens
    } faults[] = {
        {"quintrela.dat is a link", dir.path() + "/a",
         [&](const QString &f) {
             QFile::remove(f + "/quintrela.dat");
             QFile::link(victim, f + "/quintrela.dat");
         },
         "/quintrela.dat é um atalho (link)", false},
        {"the folder is open to others", dir.path() + "/b",
         [](const QString &f) { ::chmod(QFile::encodeName(f).constData(), 0777); },
         "pode ser alterada por outros usuários", true},
        {"the folder is a link", dir.path() + "/c",
         [&](const QString &f) {
             QDir(f).removeRecursively();
             QFile::link(shared, f);
         },
         "/c é um atalho (link)", true, true},
        {"the disk is full", disk.path() + "/d", [&](const QString &) { disk.fill(); }, "Não há espaço livre no disco",
         false}, // qtrconf.dat, made at start, is rewritten in place
    };
    for (const auto &f : faults) {
        if (f.folder.startsWith(disk.path()) && !disk.mounted()) {
            std::printf("skipped '%s': mounting a small disk needs root\n", f.fault);
            continue;
        }
        writeBytes(victim, "victim");
        QDir().mkpath(shared);
        ::chmod(QFile::encodeName(shared).constData(), 0755);
        QDir().mkpath(f.folder);
        Session main(f.folder);
        f.before(f.folder);
        main.consult("Maria");
        ASSERT_EQ(main.told.size(), 1) << f.fault;
        EXPECT_TRUE(main.told[0].startsWith(QString::fromUtf8("Erro:|Não foi possível gravar"))) << f.fault;
        EXPECT_TRUE(main.told[0].contains(QString::fromUtf8(f.told))) << f.fault << qPrintable(main.told[0]);
        EXPECT_TRUE(main.calendarShown()) << f.fault;
        // qtrconfg says the same.
        QStringList settingsTold;
        FrmInicio config(f.folder, [&](QWidget *, const QString &t, const QString &x) { settingsTold << t + "|" + x; });
        config.cmdGo()->click();
        ASSERT_EQ(settingsTold.size(), (f.settingsRefused ? 1 : 0) + (f.settingsUnread ? 1 : 0)) << f.fault;
        for (const QString &told : settingsTold)
            EXPECT_TRUE(told.contains(QString::fromUtf8(f.told))) << f.fault << qPrintable(told);
        EXPECT_EQ(readBytes(victim), "victim") << f.fault;
        EXPECT_TRUE(QDir(shared).isEmpty()) << f.fault;
        EXPECT_EQ(QFile::permissions(shared), QFileDevice::Permissions(0x7755)) << f.fault; // never narrowed
    }
}

TEST_F(FaultTest, ADataFolderDeletedWhileRunningIsMadeAgain)
{
    const QString folder = dir.path() + "/dados/Quintrela";
    QDir().mkpath(folder);
    Session main(folder);
    QDir(dir.path() + "/dados").removeRecursively();
    main.consult("Maria");
    EXPECT_TRUE(main.told.isEmpty()) << qPrintable(main.told.join('\n'));
    EXPECT_EQ(readBytes(records().replace(dir.path(), folder)), record("Maria"));
    EXPECT_EQ(QFile::permissions(folder) & QFileDevice::Permissions(0x0077), QFileDevice::Permissions());
}
