#include "FrmHistorico.h"

#include "Autostart.h"
#include "DateText.h"
#include "HistoryCsv.h"
#include "ProtectedHistories.h"
#include "ProtectedReminders.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

namespace {

class FrmHistoricoTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    HistoryStore store{dir.path()};
    std::vector<QString> messages;
    std::deque<bool> answers; // yes when empty
    QString typed;
    std::optional<int> choice; // the item she picks; none: she gives up
    QString openPath, savePath;

    HistoryServices services()
    {
        HistoryServices s;
        s.message = [this](QWidget *, QMessageBox::Icon, const QString &, const QString &text) { messages.push_back(text); };
        s.askYesNo = [this](QWidget *, const QString &, const QString &) {
            if (answers.empty())
                return true;
            const bool a = answers.front();
            answers.pop_front();
            return a;
        };
        s.askToDestroy = s.askYesNo;
        s.askText = [this](QWidget *, const QString &, const QString &) { return typed; };
        s.askChoice = [this](QWidget *, const QString &, const QString &, const QStringList &) { return choice; };
        s.today = [] { return QDate(2026, 12, 7); };
        s.chooseSavePath = [this](QWidget *, const QString &, const QString &, const QString &) { return savePath; };
        s.chooseOpenPath = [this](QWidget *, const QString &, const QString &) { return openPath; };
        return s;
    }

    std::unique_ptr<FrmHistorico> open(const QString &name = "Maria")
    {
        auto window = std::make_unique<FrmHistorico>(name, store, services());
        window->show();
        return window;
    }

    static void click(FrmHistorico &w, const char *button)
    {
        auto *b = w.findChild<QPushButton *>(button);
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }

    // What the "Detalhes" fold holds, a line a term.
    static QString detailsOf(FrmHistorico &w)
    {
        QStringList lines;
        for (const QLabel *label : w.findChild<QWidget *>("detalhes")->findChildren<QLabel *>())
            lines << label->text();
        return lines.join('\n');
    }

    static QStringList column(FrmHistorico &w, int c)
    {
        auto *table = w.findChild<QTableWidget *>("tblDatas");
        QStringList cells;
        for (int r = 0; r < table->rowCount(); ++r)
            cells << table->item(r, c)->text();
        return cells;
    }
};

} // namespace

TEST_F(FrmHistoricoTest, HerCyclesNewestFirstWithTheSummaryAndHerMeanForTheField)
{
    ASSERT_TRUE(store.add("Maria", {QDate(2026, 6, 1), QDate(2026, 6, 29), QDate(2026, 7, 29), QDate(2026, 8, 26),
                                    QDate(2026, 12, 1)}).problem.ok());
    auto w = open();
    EXPECT_EQ(column(*w, 0), (QStringList{"01/12/2026", "26/08/2026", "29/07/2026", "29/06/2026", "01/06/2026"}));
    EXPECT_EQ(column(*w, 1), (QStringList{"", "97 dias", "28 dias", "30 dias", "28 dias"}));
    EXPECT_EQ(column(*w, 2), (QStringList{"ciclo atual", "fora das contas", "", "", ""}));
    const QString summary = w->findChild<QLabel *>("lblResumo")->text();
    // What is likely first; her fertile days, with the notice, last.
    EXPECT_TRUE(summary.startsWith(QString::fromUtf8(
        "Pela sua história, a próxima menstruação deve começar entre 28 de dezembro de 2026 e 2 de janeiro de 2027 "
        "(em cerca de 8 de cada 10 ciclos), mais provavelmente em 30 de dezembro.\n"
        "Ciclo usual: cerca de 28 dias.\nSeus ciclos costumam durar de 28 a 30 dias.\n")))
        << summary.toStdString();
    EXPECT_TRUE(summary.endsWith(QString::fromUtf8(
        "Dias férteis pela sua história: do 8º ao 20º dia do ciclo, contando o primeiro dia da menstruação como o 1º. "
        "Com menos de 6 ciclos contados, a faixa vai um dia além de cada lado. A Quintrela não é um método "
        "contraceptivo. Para evitar a gravidez e previnir doenças, utilize camisinha.")))
        << summary.toStdString();
    EXPECT_TRUE(w->findChild<QWidget *>("grfCiclos")->accessibleDescription().endsWith(
        QString::fromUtf8("Faixa sombreada: o próximo deve durar de 27 a 32 dias (em cerca de 8 de cada 10 ciclos).")));
    // The terms wait in their fold, each said with what it means.
    auto *details = w->findChild<QWidget *>("detalhes");
    EXPECT_FALSE(details->isVisible());
    w->findChild<QToolButton *>("cmdDetalhes")->click();
    EXPECT_TRUE(details->isVisible());
    EXPECT_TRUE(detailsOf(*w).contains(QString::fromUtf8("Média: 28,7 dias — a soma das durações"))) << detailsOf(*w).toStdString();
    EXPECT_TRUE(detailsOf(*w).contains(QString::fromUtf8("Mediana: 28 dias — o valor do meio")));
    auto *table = w->findChild<QTableWidget *>("tblDatas");
    QAccessibleInterface *cells = QAccessible::queryAccessibleInterface(table);
    ASSERT_NE(cells->tableInterface(), nullptr) << "not a table to a screen reader";
    EXPECT_EQ(cells->tableInterface()->columnCount(), 3);

    QSignalSpy chosen(w.get(), &FrmHistorico::meanChosen);
    click(*w, "cmdUsarMedia");
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.first().first().toInt(), 29);
}

TEST_F(FrmHistoricoTest, DatesComeAndGoOnlyWhenConfirmedAndRight)
{
    ASSERT_TRUE(store.add("Maria", {QDate(2026, 10, 5)}).problem.ok());
    auto w = open();
    const struct
    {
        QString typed;
        bool answer;
        const char *told; // nullptr: added
        QStringList after;
    } cases[] = {
        {"08/12/2026", true, "ainda não chegou", {"05/10/2026"}},
        {"31/02/2026", true, "não é uma data válida", {"05/10/2026"}},
        {"05/10/2026", true, "já está no seu histórico", {"05/10/2026"}},
        {"07/09/2026", false, nullptr, {"05/10/2026"}},
        {"7/9/2026", true, nullptr, {"05/10/2026", "07/09/2026"}},
    };
    for (const auto &c : cases) {
        messages.clear();
        typed = c.typed;
        answers = {c.answer};
        click(*w, "cmdAcrescentar");
        if (c.told) {
            ASSERT_EQ(messages.size(), 1u) << c.typed.toStdString();
            EXPECT_TRUE(messages[0].contains(QString::fromUtf8(c.told))) << messages[0].toStdString();
        }
        EXPECT_EQ(column(*w, 0), c.after) << c.typed.toStdString();
    }
    w->findChild<QTableWidget *>("tblDatas")->setCurrentCell(1, 0);
    answers = {false};
    click(*w, "cmdRemover");
    EXPECT_EQ(column(*w, 0).size(), 2);
    click(*w, "cmdRemover");
    EXPECT_EQ(column(*w, 0), QStringList{"05/10/2026"});
    answers = {false};
    click(*w, "cmdApagar");
    EXPECT_EQ(column(*w, 0).size(), 1);
    click(*w, "cmdApagar");
    EXPECT_TRUE(column(*w, 0).isEmpty());
    EXPECT_TRUE(store.starts("Maria").starts.isEmpty());
}

TEST_F(FrmHistoricoTest, ImportTakesAllOrNothingAndTwiceAddsNothing)
{
    auto w = open();
    openPath = dir.filePath("in.csv");
    TestSupport::writeBytes(openPath, "Início;Ciclo\r\n05/10/2026;28\r\n2026-11-02;\r\n");
    click(*w, "cmdImportar");
    EXPECT_EQ(messages.back(), "2 datas importadas.");
    click(*w, "cmdImportar");
    EXPECT_EQ(messages.back(), QString::fromUtf8("Nada de novo: tudo o que o arquivo tem já estava no seu histórico."));
    TestSupport::writeBytes(openPath, "01/01/2026\n30/02/2026\n");
    click(*w, "cmdImportar");
    EXPECT_TRUE(messages.back().startsWith("Linha 2 do arquivo")) << messages.back().toStdString();
    EXPECT_EQ(column(*w, 0), (QStringList{"02/11/2026", "05/10/2026"}));
    TestSupport::writeBytes(openPath, "01/09/2026\n");
    click(*w, "cmdImportar");
    EXPECT_EQ(messages.back(), "1 data importada.");

    // The export is confirmed where she looks, until her next key.
    savePath = dir.filePath("out.csv");
    auto *saved = w->findChild<QLabel *>("savedLine");
    ASSERT_NE(saved, nullptr);
    EXPECT_FALSE(saved->isVisible());
    click(*w, "cmdExportar");
    EXPECT_TRUE(saved->isVisible());
    EXPECT_EQ(saved->toolTip(), QStringLiteral("Histórico salvo em %1").arg(QDir::toNativeSeparators(savePath)));
    QTest::keyClick(w->findChild<QTableWidget *>("tblDatas"), Qt::Key_Down);
    EXPECT_FALSE(saved->isVisible());
    const HistoryCsv::Read back = HistoryCsv::read(TestSupport::readBytes(savePath), QDate(2026, 12, 7));
    EXPECT_EQ(back.starts, (QList<QDate>{QDate(2026, 9, 1), QDate(2026, 10, 5), QDate(2026, 11, 2)}));
}

// Delete on a row asks first, "Não" the default: answered no, the date stays.
TEST_F(FrmHistoricoTest, DeleteOnARowAsksFirst)
{
    ASSERT_TRUE(store.add("Maria", {QDate(2026, 10, 5), QDate(2026, 11, 2)}).problem.ok());
    auto w = open();
    auto *table = w->findChild<QTableWidget *>("tblDatas");
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    EXPECT_EQ(QApplication::focusWidget(), table) << "her dates are not where the window opens";
    answers = {false};
    QTest::keyClick(table, Qt::Key_Delete);
    EXPECT_TRUE(answers.empty()) << "removed without asking";
    EXPECT_EQ(store.starts("Maria").starts.size(), 2);
    QTest::keyClick(table, Qt::Key_Delete);
    EXPECT_EQ(store.starts("Maria").starts, QList<QDate>{QDate(2026, 10, 5)});
}

TEST_F(FrmHistoricoTest, EnterOnARowKeepsTheWindowAndEscapeClosesIt)
{
    ASSERT_TRUE(store.add("Maria", {QDate(2026, 10, 5), QDate(2026, 11, 2)}).problem.ok());
    auto w = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    auto *table = w->findChild<QTableWidget *>("tblDatas");
    table->setFocus();
    table->setCurrentCell(0, 0);
    for (int key : {Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(table, Qt::Key(key));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(column(*w, 0), (QStringList{"02/11/2026", "05/10/2026"})); // nothing removed
    QTest::keyClick(table, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

// A cycle she leaves out is out of her figures and her chart, with its
// reason, and can be counted again; her pause stops the estimates (the mean
// for the field too) until she resumes them or a new start comes.
TEST_F(FrmHistoricoTest, CyclesSheLeavesOutAndHerPauseAreHeldAndSaid)
{
    const QList<QDate> starts{QDate(2026, 5, 4), QDate(2026, 6, 1), QDate(2026, 6, 29), QDate(2026, 7, 29),
                              QDate(2026, 8, 26), QDate(2026, 9, 23)};
    ASSERT_TRUE(store.add("Maria", starts).problem.ok());
    auto w = open();
    auto *table = w->findChild<QTableWidget *>("tblDatas");
    auto *summary = w->findChild<QLabel *>("lblResumo");
    EXPECT_TRUE(detailsOf(*w).contains("Ciclos nas contas: 5")) << detailsOf(*w).toStdString();

    table->setCurrentCell(3, 0); // 29/06/2026, 30 days
    click(*w, "cmdNaoContar");
    EXPECT_EQ(messages.size(), 0u);
    EXPECT_EQ(store.leftOut("Maria").cycles.size(), 0) << "left out though she gave up";
    choice = 2;
    click(*w, "cmdNaoContar");
    EXPECT_EQ(column(*w, 2)[3], QString::fromUtf8("fora das contas: doença"));
    EXPECT_TRUE(detailsOf(*w).contains("Ciclos nas contas: 4")) << detailsOf(*w).toStdString();
    EXPECT_TRUE(summary->text().contains(QString::fromUtf8("Um ciclo fica fora das contas por sua escolha (doença).")));
    EXPECT_TRUE(w->findChild<QWidget *>("grfCiclos")->accessibleDescription().contains(
        QString::fromUtf8("30 (fora das contas: doença)")));
    EXPECT_EQ(w->findChild<QPushButton *>("cmdNaoContar")->text(), "&Contar este ciclo");
    click(*w, "cmdNaoContar");
    EXPECT_TRUE(store.leftOut("Maria").cycles.isEmpty());
    EXPECT_TRUE(detailsOf(*w).contains("Ciclos nas contas: 5"));

    auto *useMean = w->findChild<QPushButton *>("cmdUsarMedia");
    EXPECT_TRUE(useMean->isEnabled());
    choice = 1;
    click(*w, "cmdPausa");
    EXPECT_FALSE(useMean->isEnabled());
    EXPECT_TRUE(summary->text().startsWith(QString::fromUtf8("As previsões pela sua história estão em pausa desde 07/12/2026 (amamentação)")));
    w.reset();
    w = open();
    EXPECT_FALSE(w->findChild<QPushButton *>("cmdUsarMedia")->isEnabled()) << "her pause was not kept";
    click(*w, "cmdPausa");
    EXPECT_TRUE(w->findChild<QPushButton *>("cmdUsarMedia")->isEnabled());
    EXPECT_FALSE(w->findChild<QLabel *>("lblResumo")->text().contains("pausa"));
}

// The report she takes to her doctor, as pdftotext and pdfinfo read it: A4,
// her name only when she says so, her last 12 cycles, the cycles she left
// out with their reasons, and her notes of the last 6 months alone.
TEST_F(FrmHistoricoTest, TheReportForHerDoctorSaysWhatSheKept)
{
    QList<QDate> starts{QDate(2025, 9, 1)};
    for (int i = 0; i < 14; ++i)
        starts.append(starts.constLast().addDays(i == 9 ? 45 : 27 + i % 4));
    ASSERT_TRUE(store.add("Maria", starts).problem.ok());
    ASSERT_TRUE(store.setLeftOut("Maria", starts[10], LeftOutReason::Medicamento).ok());
    ASSERT_TRUE(store.saveDay("Maria", {QDate(2026, 11, 3), DayNote::Flow::Intenso, DayNote::Pain::Forte,
                                        {QString::fromUtf8("cólica")}, "", "precisei faltar ao trabalho"}).ok());
    ASSERT_TRUE(store.saveDay("Maria", {QDate(2026, 1, 5), DayNote::Flow::Leve, {}, {}, "", "nota antiga"}).ok());
    auto w = open();
    for (const bool named : {false, true}) {
        SCOPED_TRACE(named ? "with her name" : "without it");
        savePath = dir.filePath(named ? "com-nome.pdf" : "sem-nome.pdf");
        answers = {named};
        click(*w, "cmdRelatorio");
        ASSERT_TRUE(QFile::exists(savePath));
        QProcess text;
        text.start("pdftotext", {"-layout", savePath, "-"});
        if (!text.waitForStarted())
            GTEST_SKIP() << "no pdftotext";
        ASSERT_TRUE(text.waitForFinished());
        const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        EXPECT_TRUE(words.contains(QString::fromUtf8("Relatório do ciclo menstrual")));
        EXPECT_EQ(words.contains("Maria"), named) << words.toStdString();
        EXPECT_TRUE(words.contains("fora das contas: medicamento"));
        EXPECT_TRUE(words.contains("precisei faltar ao trabalho"));
        EXPECT_TRUE(words.contains(QString::fromUtf8("fluxo intenso, dor forte, cólica")));
        EXPECT_FALSE(words.contains("nota antiga")) << "a note older than 6 months";
        EXPECT_TRUE(words.contains(DateText::formatDdMmYyyy(starts[3]))) << "one of her last 12 cycles missing";
        EXPECT_FALSE(words.contains(DateText::formatDdMmYyyy(starts[0]))) << "more than her last 12 cycles";
        QProcess info;
        info.start("pdfinfo", {savePath});
        ASSERT_TRUE(info.waitForFinished());
        EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains("(A4)"));
#ifndef _WIN32
        EXPECT_EQ(QFile::permissions(savePath) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
#endif
    }
}

// Her export carries her days and her choices; erased and imported back,
// they are all hers again.
TEST_F(FrmHistoricoTest, HerExportBringsHerDaysBack)
{
    const QList<QDate> starts{QDate(2026, 9, 1), QDate(2026, 9, 29), QDate(2026, 10, 28)};
    ASSERT_TRUE(store.add("Maria", starts).problem.ok());
    ASSERT_TRUE(store.setLeftOut("Maria", starts[1], LeftOutReason::Outro).ok());
    const DayNote note{QDate(2026, 9, 2), DayNote::Flow::Leve, DayNote::Pain::Leve, {"acne"}, "", "viagem; dormi mal"};
    ASSERT_TRUE(store.saveDay("Maria", note).ok());
    auto w = open();
    savePath = dir.filePath("com-dias.csv");
    click(*w, "cmdExportar");
    EXPECT_TRUE(QString::fromUtf8(TestSupport::readBytes(savePath)).contains(QString::fromUtf8("Data;Início da menstruação")));
    ASSERT_TRUE(store.erase("Maria").ok());
    openPath = savePath;
    click(*w, "cmdImportar");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(store.starts("Maria").starts, starts) << messages.back().toStdString();
    EXPECT_EQ(store.days("Maria").notes, QList<DayNote>{note});
    EXPECT_EQ(store.leftOut("Maria").cycles, (QList<LeftOutCycle>{{starts[1], LeftOutReason::Outro}}));
    // One noted day, not two: the cycle left out is not a day's note.
    EXPECT_TRUE(messages.back().endsWith(QString::fromUtf8(" 1 dia com anotações importado do Quintrela.")))
        << messages.back().toStdString();
}

TEST_F(FrmHistoricoTest, HerReminderTurnedOnAndOffTakesHerSessionsEntryWithIt)
{
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    ASSERT_TRUE(store.add("Maria", {QDate(2026, 10, 1), QDate(2026, 10, 29)}).problem.ok());
    auto w = open();
    const struct
    {
        std::optional<int> picked; // for both questions: on or off, then how many days before
        const char *kept;
        bool entryThere;
    } steps[] = {
        {1, "1", true},           // "Ligado", "1 dia antes"
        {std::nullopt, "1", true}, // she gives up: nothing changes
        {2, "3;discreto", true},  // "Ligado, com texto discreto", "3 dias antes"
        {0, "", false},           // "Desligado"
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.kept);
        choice = step.picked;
        click(*w, "cmdLembrete");
        EXPECT_EQ(store.preference("Maria", "lembrete").value, step.kept);
        EXPECT_EQ(Autostart::installed(), step.entryThere);
    }
    EXPECT_TRUE(messages.empty());

    // Protected: only off or discreet, and her dates alone kept outside her file.
    const ProtectedHistories::Opened sealed = ProtectedHistories(dir.path(), {1, 8192}).create("Bia", "lua de março");
    HistoryStore herFile = sealed.store(dir.path());
    ASSERT_TRUE(herFile.add("Bia", {QDate(2026, 8, 6), QDate(2026, 9, 3), QDate(2026, 10, 1), QDate(2026, 10, 29)})
                    .problem.ok());
    FrmHistorico bia("Bia", herFile, services());
    bia.leavesProtection("protegido", sealed.file);
    for (const auto &[picked, kept, outside] : {std::tuple{1, "1;discreto", 1}, std::tuple{0, "", 0}}) {
        choice = picked;
        click(bia, "cmdLembrete");
        EXPECT_EQ(herFile.preference("Bia", "lembrete").value, kept);
        EXPECT_EQ(ProtectedReminders(dir.path()).all().kept.size(), outside);
        EXPECT_EQ(Autostart::installed(), outside == 1);
    }
    EXPECT_TRUE(messages.empty());
    qputenv("XDG_CONFIG_HOME", config);
}
