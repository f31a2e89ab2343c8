#include "MainWindowFixture.h"
#include "FrmPrincipalControls.h"

#include "ForecastTexts.h"
#include "HistoryStore.h"
#include "MainWindowDesign.h"

#include <QAccessible>
#include <QLabel>

namespace {

class FrmPrincipalForecastTest : public MainWindowFixture
{
protected:
    QLabel *line() const { return window->findChild<QLabel *>("previsao"); }
    QWidget *markOn(int cell) const { return ui(*window).lblDia(cell)->findChild<QWidget *>("marcaDiaFertil"); }
    QString announced() const
    {
        return ui(*window).imgFigCalendario()->findChild<QWidget *>("Announcer")->accessibleName();
    }
};

// December 2026 starts on a Tuesday: day d is cell d + 1.
constexpr int cellOf(int day) { return day + 1; }

} // namespace

TEST_F(FrmPrincipalForecastTest, HerRangeIsSaidOnceUnderTheWindowAndTheFertileMarkLeavesTheColoursAlone)
{
    ASSERT_FALSE(HistoryStore(dir.path()).add("Maria", {{2026, 8, 15}, {2026, 9, 12}, {2026, 10, 10}}).problem);
    FrmPrincipal &w = open();
    const int designed = MainWindowDesign::px(MainWindowDesign::clientHeight);
    EXPECT_EQ(w.height(), designed);
    EXPECT_TRUE(line()->isHidden());

    consult("Maria", "08/11/2026", "28");
    ASSERT_TRUE(line()->isVisible());
    EXPECT_TRUE(line()->text().contains("entre 6 e 9 de dezembro")) << line()->text().toStdString();
    EXPECT_EQ(line()->y(), designed);
    EXPECT_EQ(w.height(), designed + line()->height());
    EXPECT_GT(line()->height(), 0);
    // A screen reader finds it where it stands: last, below the window's own area.
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(&w);
    ASSERT_GT(frame->childCount(), 0);
    EXPECT_EQ(frame->child(frame->childCount() - 1)->object(), line());
    EXPECT_TRUE(announced().endsWith("mais provavelmente em 7 de dezembro.")) << announced().toStdString();
    QTest::mouseClick(ui(w).imgGoRight(), Qt::LeftButton);
    EXPECT_FALSE(announced().contains("Pela sua história"));
    QTest::mouseClick(ui(w).imgGoLeft(), Qt::LeftButton);

    const auto colours = [&] {
        QList<QColor> all;
        for (int cell = 0; cell < 42; ++cell)
            all << ui(w).lblDia(cell)->palette().color(QPalette::WindowText);
        return all;
    };
    const QList<QColor> before = colours();
    // Day words tell her fertile days whether or not she marks them.
    EXPECT_TRUE(ui(w).lblDia(cellOf(15))->toolTip().contains(ForecastTexts::fertileDay));
    EXPECT_FALSE(ui(w).lblDia(cellOf(14))->toolTip().contains(ForecastTexts::fertileDay));
    EXPECT_FALSE(markOn(cellOf(15))->isVisible());
    EXPECT_FALSE(line()->text().contains("Dias férteis"));

    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown);
        emit line()->linkActivated("ferteis");
        EXPECT_EQ(markOn(cellOf(15))->isVisible(), shown);
        EXPECT_EQ(markOn(cellOf(25))->isVisible(), shown);
        EXPECT_FALSE(markOn(cellOf(14))->isVisible());
        EXPECT_FALSE(markOn(cellOf(26))->isVisible());
        EXPECT_EQ(line()->text().contains("Dias férteis pela sua história"), shown);
        EXPECT_EQ(colours(), before);
        EXPECT_EQ(w.height(), designed + line()->height());
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrmPrincipalForecastTest, WhenTheMonthShownHasGoneByTheLineTakesHerToTheNextStart)
{
    ASSERT_FALSE(HistoryStore(dir.path()).add("Maria", {{2026, 2, 9}, {2026, 3, 9}, {2026, 4, 6}, {2026, 5, 4}}).problem);
    FrmPrincipal &w = open();
    consult("Maria", "01/06/2026", "28");
    EXPECT_EQ(ui(w).lblMes()->text(), "Junho de 2026");
    ASSERT_TRUE(line()->text().contains("Ir para dezembro de 2026")) << line()->text().toStdString();
    emit line()->linkActivated("mes");
    EXPECT_EQ(ui(w).lblMes()->text(), "Dezembro de 2026");
}
