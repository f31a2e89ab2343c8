// A real print job: our own CUPS scheduler (own folders and socket, nothing
// of the system's touched) with a default queue whose backend keeps each
// job's document; the window's print button sends the page there.

#include "FrmPrincipal.h"
#include "FrmPrincipalControls.h"
#include "ImageButton.h"
#include "PdfWords.h"
#include "fQuintrela.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace {

constexpr double R[7] = {35.41, 69.12, 102.83, 136.54, 170.25, 203.96, 237.7};
constexpr double lineAbove[6] = {30, 55, 80, 105, 130, 155};

const char *backend = R"(#!/bin/sh
# Keeps each job's document in the folder the device address names.
if [ $# -eq 0 ]; then echo 'file quintrelafile "Unknown" "Quintrela test output"'; exit 0; fi
dir="${DEVICE_URI#quintrelafile:}"
out="$dir/job-$1.pdf"
printf '%s' "$3" > "$dir/job-$1.title"
printf '%s %s' "$4" "$5" > "$dir/job-$1.options"
if [ -n "$6" ]; then cat "$6" > "$out.part"; else cat > "$out.part"; fi || exit 1
mv "$out.part" "$out"
)";

class CupsScheduler
{
public:
    CupsScheduler()
    {
        const QString t = m_dir.path();
        for (const char *sub : {"etc", "spool", "cache", "run", "tmp", "log", "out", "lib/backend"})
            QDir().mkpath(t + "/" + sub);
        for (const char *sub : {"filter", "cgi-bin", "daemon", "monitor", "notifier"})
            QFile::link(QStringLiteral("/usr/lib/cups/") + sub, t + "/lib/" + sub);
        write(t + "/lib/backend/quintrelafile", backend);
        QFile::setPermissions(t + "/lib/backend/quintrelafile", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile::setPermissions(t + "/out", QFileDevice::Permissions(0x7777));
        QFile::setPermissions(t + "/tmp", QFileDevice::Permissions(0x7777));
        write(t + "/etc/cupsd.conf", QStringLiteral("Listen %1/cups.sock\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                                    "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                                    "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n  </Limit>\n</Policy>\n")
                                         .arg(t));
        write(t + "/etc/cups-files.conf",
              QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/run\nTempDir %1/tmp\n"
                             "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                             "ServerBin %1/lib\nDataDir /usr/share/cups\nFileDevice Yes\nUser lp\nGroup lp\nSystemGroup root\n")
                  .arg(t));
        // Qt's printing and the lp tools find this scheduler by its socket,
        // and keep their defaults and instances (lpoptions) beside it.
        qputenv("CUPS_SERVER", QFile::encodeName(socket()));
        qputenv("CUPS_SERVERROOT", QFile::encodeName(t + "/etc"));
        m_ready = start()
                  && run("lpadmin", {"-p", "quintrela-test", "-E", "-v", "quintrelafile:" + t + "/out", "-m", "raw"})
                  && run("lpadmin", {"-d", "quintrela-test"});
    }
    ~CupsScheduler()
    {
        stop();
        qunsetenv("CUPS_SERVER");
        qunsetenv("CUPS_SERVERROOT");
    }
    bool start()
    {
        const QString t = m_dir.path();
        m_cupsd.start(QStringLiteral("/usr/sbin/cupsd"),
                      {"-f", "-c", t + "/etc/cupsd.conf", "-s", t + "/etc/cups-files.conf"});
        if (!m_cupsd.waitForStarted(10000))
            return false;
        for (int i = 0; i < 100 && !QFile::exists(socket()); ++i)
            QTest::qWait(50);
        return QFile::exists(socket());
    }
    void stop()
    {
        m_cupsd.terminate();
        m_cupsd.waitForFinished(5000);
        QFile::remove(socket());
    }
    bool ready() const { return m_ready; }
    QString socket() const { return m_dir.path() + "/cups.sock"; }
    QString log() const
    {
        QFile f(m_dir.path() + "/log/error_log");
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    // The next finished job's document.
    QString waitForJob(int number)
    {
        const QString path = m_dir.path() + QStringLiteral("/out/job-%1.pdf").arg(number);
        for (int i = 0; i < 400 && !QFile::exists(path); ++i)
            QTest::qWait(50);
        return QFile::exists(path) ? path : QString();
    }

    QString jobTitle(int number) const { return jobFile(number, "title"); }
    // The copies and the options the backend was given.
    QString jobOptions(int number) const { return jobFile(number, "options"); }

    // cupsreject, cupsaccept, cupsdisable, cupsenable on the test queue.
    bool queue(const char *command) { return run(QString::fromLatin1(command), {"quintrela-test"}); }
    bool lpoptions(const QStringList &arguments) { return run("lpoptions", arguments); }

private:
    QString jobFile(int number, const char *kind) const
    {
        QFile f(m_dir.path() + QStringLiteral("/out/job-%1.%2").arg(number).arg(QLatin1String(kind)));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    static void write(const QString &path, const QString &text)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    }
    bool run(const QString &program, const QStringList &arguments)
    {
        QProcess p;
        p.start(program, arguments);
        return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    bool m_ready = false;
};

// Which cell (0-41) a day number printed at this place stands in.
int cellOf(const PdfWord &w, double left, double top)
{
    int column = -1;
    for (int c = 0; c < 7; ++c)
        if (std::abs(w.xMax - left - R[c]) < 0.5)
            column = c;
    int row = -1;
    for (int r = 0; r < 6; ++r)
        if (w.yMin - top > lineAbove[r] && w.yMin - top < lineAbove[r] + 8)
            row = r;
    return column < 0 || row < 0 ? -1 : row * 7 + column;
}

class CupsPrintTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { scheduler = new CupsScheduler; }
    static void TearDownTestSuite()
    {
        delete scheduler;
        scheduler = nullptr;
    }
    static CupsScheduler *scheduler;
    static int jobs;

    QTemporaryDir folder;
    fQuintrela state;

    PdfPage printWith(FrmPrincipal &window)
    {
        QTest::mouseClick(ui(window).imgImprimir(), Qt::LeftButton);
        const QString job = scheduler->waitForJob(++jobs);
        EXPECT_FALSE(job.isEmpty()) << qPrintable(scheduler->log());
        return readPdfPage(job);
    }

    // The page's own offset: where the heading, designed at (7, 4), landed.
    static std::pair<double, double> origin(const PdfPage &page)
    {
        const QList<PdfWord> heading = page.find(QString::fromUtf8("Calendário"));
        if (heading.isEmpty())
            return {0, 0};
        return {heading[0].xMin - 7, heading[0].yMin - 4};
    }

    static std::map<int, int> dayCells(const PdfPage &page)
    {
        const auto [left, top] = origin(page);
        std::map<int, int> cells; // day -> cell
        for (const PdfWord &w : page.words) {
            bool number = false;
            const int day = w.text.toInt(&number);
            if (number && w.text.size() == 2 && day >= 1 && day <= 31)
                cells[day] = cellOf(w, left, top);
        }
        return cells;
    }
};

CupsScheduler *CupsPrintTest::scheduler = nullptr;
int CupsPrintTest::jobs = 0;

WindowServices quiet(QDate today)
{
    WindowServices s = WindowServices::standard();
    s.message = [](QWidget *, QMessageBox::Icon, const QString &t, const QString &x) {
        ADD_FAILURE() << qPrintable(t) << " " << qPrintable(x);
    };
    s.askYesNo = [](QWidget *, const QString &, const QString &) { return true; };
    s.askToDestroy = s.askYesNo;
    s.today = [today] { return today; };
    return s;
}

// A window whose questions are kept in asked, and answered no.
std::unique_ptr<FrmPrincipal> windowAnsweringNo(fQuintrela &state, const QString &folder, QStringList &asked)
{
    WindowServices s = quiet(QDate(2026, 12, 7));
    s.askYesNo = [&asked](QWidget *, const QString &title, const QString &text) {
        asked << title + "|" + text;
        return false;
    };
    s.askToDestroy = s.askYesNo;
    auto window = std::make_unique<FrmPrincipal>(state, folder, s);
    window->show();
    return window;
}

} // namespace

TEST_F(CupsPrintTest, MonthsBeforeAnyConsultation)
{
    ASSERT_TRUE(scheduler->ready()) << qPrintable(scheduler->log());
    FrmPrincipal window(state, folder.path(), quiet(QDate(2027, 5, 3)));
    window.show();

    // May 2027 starts on a Saturday: days 30 and 31 in the sixth row.
    PdfPage page = printWith(window);
    EXPECT_FALSE(page.find("Maio").isEmpty());
    EXPECT_EQ(page.lineStartingWith(QString::fromUtf8("Calendário")), QString::fromUtf8("Calendário menstrual de"));
    auto cells = dayCells(page);
    ASSERT_EQ(cells.size(), 31u);
    for (int day = 1; day <= 31; ++day)
        EXPECT_EQ(cells[day], 6 + day - 1) << day;
    for (const PdfWord &w : page.words)
        EXPECT_FALSE(w.text.startsWith('(')) << qPrintable(w.text); // today is not a printed mark

    // February 2026 fills the first four rows exactly.
    state.ShownMonth = 2;
    state.ShownYear = 2026;
    page = printWith(window);
    EXPECT_FALSE(page.find("Fevereiro").isEmpty());
    cells = dayCells(page);
    ASSERT_EQ(cells.size(), 28u);
    for (int day = 1; day <= 28; ++day)
        EXPECT_EQ(cells[day], day - 1) << day;
}

TEST_F(CupsPrintTest, WorkedExampleAfterAConsultation)
{
    ASSERT_TRUE(scheduler->ready()) << qPrintable(scheduler->log());
    QFile settings(folder.filePath("qtrconf.dat"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("\xFF\xFF", 2);
    settings.close();
    FrmPrincipal window(state, folder.path(), quiet(QDate(2026, 12, 7)));
    window.show();
    ui(window).cmbNome()->setEditText("Maria");
    ui(window).txtUltima()->setText("01/03/2001");
    ui(window).txtPeriodo()->setText("28");
    QTest::mouseClick(ui(window).imgCalcular(), Qt::LeftButton);

    const PdfPage page = printWith(window);
    EXPECT_FALSE(page.find(QString::fromUtf8("Março")).isEmpty());
    EXPECT_EQ(page.lineStartingWith(QString::fromUtf8("Calendário")), QString::fromUtf8("Calendário menstrual de Maria"));
    EXPECT_EQ(page.lineStartingWith("*"), QString::fromUtf8(
        "* Ao fazer amor, use sempre camisinha. Somente a camisinha previne doenças além de evitar a gravidez."));
    const auto cells = dayCells(page);
    EXPECT_EQ(cells.at(1), 4);
    EXPECT_EQ(cells.at(31), 34);
    // Legends: two starts, one peak, four risky and six safer days in March.
    const auto count = [&](const char *first) { return page.find(QString::fromUtf8(first)).size(); };
    EXPECT_EQ(count("(próxima"), 2);
    EXPECT_EQ(count("(ápice"), 1);
    EXPECT_EQ(page.find("alto").size(), 4);
    EXPECT_EQ(page.find("baixo").size(), 6);
}

TEST_F(CupsPrintTest, TheJobIsNamedAndCtrlSKeepsTheSamePage)
{
    ASSERT_TRUE(scheduler->ready()) << qPrintable(scheduler->log());
    QString saved;
    WindowServices s = quiet(QDate(2026, 12, 7));
    s.chooseSavePath = [&](QWidget *, const QString &, const QString &, const QString &) {
        return saved = folder.filePath("mes.pdf");
    };
    FrmPrincipal window(state, folder.path(), s);
    window.show();
    ui(window).cmbNome()->setEditText("Maria");
    ui(window).txtUltima()->setText("01/03/2001");
    ui(window).txtPeriodo()->setText("28");
    window.imgCalcularClick();

    const PdfPage printed = printWith(window);
    EXPECT_EQ(scheduler->jobTitle(jobs), QString::fromUtf8("Quintrela – Março de 2001"));
    window.savePdf();
    const PdfPage kept = readPdfPage(saved);
    // The same words at the same places of the page, wherever the paper puts the page.
    const auto [pl, pt] = origin(printed);
    const auto [kl, kt] = origin(kept);
    ASSERT_EQ(kept.words.size(), printed.words.size());
    for (int i = 0; i < printed.words.size(); ++i) {
        EXPECT_EQ(kept.words[i].text, printed.words[i].text);
        EXPECT_NEAR(kept.words[i].xMin - kl, printed.words[i].xMin - pl, 0.1) << qPrintable(printed.words[i].text);
        EXPECT_NEAR(kept.words[i].yMin - kt, printed.words[i].yMin - pt, 0.1) << qPrintable(printed.words[i].text);
    }
}

TEST_F(CupsPrintTest, AQueueThatRefusesOrIsStoppedLosesNoPage)
{
    ASSERT_TRUE(scheduler->ready()) << qPrintable(scheduler->log());
    QStringList asked;
    const auto shown = windowAnsweringNo(state, folder.path(), asked);
    FrmPrincipal &window = *shown;
    const std::pair<const char *, const char *> faults[] = {{"cupsreject", "cupsaccept"}, {"cupsdisable", "cupsenable"}};
    for (const auto &[fault, mend] : faults) {
        ASSERT_TRUE(scheduler->queue(fault)) << fault;
        asked.clear();
        QTest::mouseClick(ui(window).imgImprimir(), Qt::LeftButton);
        ASSERT_TRUE(scheduler->queue(mend)) << mend;
        ASSERT_EQ(asked.size(), 1) << fault;
        EXPECT_TRUE(asked[0].startsWith(QString::fromUtf8("Erro:|A impressora não conseguiu imprimir o calendário.")))
            << qPrintable(asked[0]);
        EXPECT_TRUE(asked[0].contains("PDF"));
    }
    // Mended, the queue prints again, and no page of the refused jobs turns up.
    const PdfPage page = printWith(window);
    EXPECT_FALSE(page.find("Dezembro").isEmpty());
}

TEST_F(CupsPrintTest, AnInstancePrintsWithItsOptionsAndLeavesNoCopyOnDisk)
{
    ASSERT_TRUE(scheduler->ready()) << qPrintable(scheduler->log());
    ASSERT_TRUE(scheduler->lpoptions({"-p", "quintrela-test/duas", "-o", "copies=2"}));
    ASSERT_TRUE(scheduler->lpoptions({"-d", "quintrela-test/duas"}));
    QTemporaryDir temporary;
    const QByteArray savedTemporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    FrmPrincipal window(state, folder.path(), quiet(QDate(2026, 12, 7)));
    window.show();
    const PdfPage page = printWith(window);
    qputenv("TMPDIR", savedTemporary);
    ASSERT_TRUE(scheduler->lpoptions({"-d", "quintrela-test"}));
    EXPECT_FALSE(page.find("Dezembro").isEmpty());
    EXPECT_TRUE(scheduler->jobOptions(jobs).startsWith("2 ")) << qPrintable(scheduler->jobOptions(jobs));
    // The page went straight to the scheduler: not a byte of it in the temporary folder.
    EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

TEST_F(CupsPrintTest, AStoppedPrintServiceIsToldAsSuch)
{
    ASSERT_TRUE(scheduler->ready()) << qPrintable(scheduler->log());
    QStringList asked;
    const auto shown = windowAnsweringNo(state, folder.path(), asked);
    FrmPrincipal &window = *shown;
    scheduler->stop();
    QTest::mouseClick(ui(window).imgImprimir(), Qt::LeftButton);
    ASSERT_TRUE(scheduler->start());
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith(QString::fromUtf8(
        "Erro:|O serviço de impressão do computador (CUPS) não está funcionando")))
        << qPrintable(asked[0]);
    // Running again, it prints.
    EXPECT_FALSE(printWith(window).find("Dezembro").isEmpty());
}
