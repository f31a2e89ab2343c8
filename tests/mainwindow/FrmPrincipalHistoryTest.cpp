#include "MainWindowFixture.h"
#include "FrmPrincipalControls.h"

#include "FrmHistorico.h"
#include "HistoryStore.h"
#include "HistoryTexts.h"
#include "UserRecord.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

class FrmPrincipalHistoryTest : public MainWindowFixture
{
protected:
    QList<QDate> kept(const QString &name) const { return HistoryStore(dir.path()).starts(name).starts; }
};

} // namespace

TEST_F(FrmPrincipalHistoryTest, AConsultationKeepsHerDateOnlyWhenHerNameIsRemembered)
{
    // Joana was remembered before there was a history: her stored date starts it.
    TestSupport::writeBytes(recordsPath(), UserRecord{"Joana", "28", "01/10/2026"}.encode());
    open();
    const struct
    {
        const char *name, *date;
        bool rememberName;
        const char *who;
        QList<QDate> after;
    } cases[] = {
        {"Maria", "02/11/2026", true, "Maria", {QDate(2026, 11, 2)}},
        {"maria", "30/11/2026", true, "Maria", {QDate(2026, 11, 2), QDate(2026, 11, 30)}},
        {"Maria", "10/12/2026", true, "Maria", {QDate(2026, 11, 2), QDate(2026, 11, 30)}}, // still to come
        {"Ana", "02/11/2026", false, "Ana", {}},
        {"Joana", "29/10/2026", true, "Joana", {QDate(2026, 10, 1), QDate(2026, 10, 29)}},
    };
    for (const auto &c : cases) {
        answers = {c.rememberName};
        consult(c.name, c.date, "28");
        EXPECT_EQ(kept(c.who), c.after) << c.name << " " << c.date;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrmPrincipalHistoryTest, AHistoryItCannotKeepIsToldOnceAndTheCalendarStillShows)
{
    TestSupport::writeBytes(dir.filePath("historico.db"), QByteArray(4096, '\x33'));
    FrmPrincipal &w = open();
    consult("Maria", "02/11/2026", "28");
    consult("Maria", "30/11/2026", "28");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains("histórico")) << messages[0].text.toStdString();
    EXPECT_TRUE(messages[0].text.contains("danificado"));
    EXPECT_EQ(state->CurrentName, "Maria");
    EXPECT_EQ(state->Projection.size(), 36);
    EXPECT_TRUE(ui(w).lblMes()->text().endsWith("2026")) << ui(w).lblMes()->text().toStdString();
    EXPECT_EQ(TestSupport::readBytes(dir.filePath("historico.db")), QByteArray(4096, '\x33'));
}

TEST_F(FrmPrincipalHistoryTest, CtrlHOpensHerHistoryAndHerMeanGoesToPeriodo)
{
    HistoryStore(dir.path()).add("Maria", {QDate(2026, 8, 1), QDate(2026, 8, 30), QDate(2026, 9, 28), QDate(2026, 10, 28)});
    FrmPrincipal &w = open();
    QTest::keyClick(ui(w).cmbNome(), Qt::Key_H, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title + "|" + messages[0].text, "Histórico|Digite o seu nome para ver o seu histórico.");

    type(ui(w).cmbNome(), "Maria");
    QString title;
    QTimer::singleShot(0, [&] {
        auto *history = qobject_cast<FrmHistorico *>(QApplication::activeModalWidget());
        ASSERT_NE(history, nullptr);
        title = history->windowTitle();
        history->findChild<QPushButton *>("cmdUsarMedia")->click();
    });
    QTest::keyClick(ui(w).cmbNome(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(title, "Histórico de Maria");
    EXPECT_EQ(ui(w).txtPeriodo()->text(), "29");
    // Told where she looks: her mean is there, the calendar waits for Calcular.
    auto *told = w.findChild<QLabel *>("savedLine");
    EXPECT_TRUE(told->isVisible());
    EXPECT_EQ(told->toolTip(), HistoryTexts::meanUsed.arg(29));
}
