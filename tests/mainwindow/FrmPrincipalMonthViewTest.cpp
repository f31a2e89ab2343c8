#include "ImageButton.h"
#include "FrmPrincipalControls.h"
#include "MainWindowFixture.h"
#include "MarkColors.h"

#include "DateText.h"

#include <QLabel>
#include <QLineEdit>

namespace {

class FrmPrincipalMonthViewTest : public MainWindowFixture
{
protected:
    // The cells that show a day number, in grid order.
    std::pair<int, int> usedCells()
    {
        int first = -1, last = -1;
        for (int i = 0; i < 42; ++i) {
            if (ui(*window).lblDia(i)->text().isEmpty())
                continue;
            if (first < 0)
                first = i;
            last = i;
        }
        return {first, last};
    }
};

struct ShownMonthCase
{
    const char *month;
    const char *year;
    const char *caption;
    int firstCell;
    int lastCell;
};

class FrmPrincipalShowMonthTest : public FrmPrincipalMonthViewTest,
                                  public ::testing::WithParamInterface<ShownMonthCase>
{
};

} // namespace

TEST_P(FrmPrincipalShowMonthTest, PlacesTheDays)
{
    const ShownMonthCase c = GetParam();
    FrmPrincipal &w = open();
    w.ShowMonth(QDate(2026, 12, 1)); // leaves the cells full before the month under test
    w.ShowMonth(QDate(QString::fromLatin1(c.year).toInt(), QString::fromLatin1(c.month).toInt(), 1));
    EXPECT_EQ(ui(w).lblMes()->text(), QString::fromUtf8(c.caption));
    EXPECT_EQ(usedCells(), std::make_pair(c.firstCell, c.lastCell));
    for (int i = c.firstCell; i <= c.lastCell; ++i)
        EXPECT_EQ(ui(w).lblDia(i)->text(), DateText::twoDigits(i - c.firstCell + 1));
}

INSTANTIATE_TEST_SUITE_P(Months, FrmPrincipalShowMonthTest, ::testing::Values(
    ShownMonthCase{"2", "2026", "Fevereiro de 2026", 0, 27},
    ShownMonthCase{"5", "2027", "Maio de 2027", 6, 36},
    ShownMonthCase{"02", "2024", "Fevereiro de 2024", 4, 32},
    ShownMonthCase{"2", "2023", "Fevereiro de 2023", 3, 30},
    ShownMonthCase{"1", "1980", "Janeiro de 1980", 2, 32},
    ShownMonthCase{"12", "2080", "Dezembro de 2080", 0, 30}));

TEST_F(FrmPrincipalMonthViewTest, StartsOnTodaysMonthWithTodayInOrange)
{
    today = QDate(2026, 12, 31);
    FrmPrincipal &w = open();
    EXPECT_EQ(state->ShownMonth, 12);
    EXPECT_EQ(state->ShownYear, 2026);
    EXPECT_EQ(ui(w).lblMes()->text(), "Dezembro de 2026");
    EXPECT_EQ(ui(w).txtUltima()->text(), "31/12/2026");
    QLabel *cell = ui(w).lblDia(2 + 30); // December 2026 starts on a Tuesday
    EXPECT_EQ(cell->text(), "31");
    EXPECT_EQ(cell->palette().color(QPalette::WindowText), QColor(255, 128, 0));
    EXPECT_EQ(ui(w).lblDia(2)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

TEST_F(FrmPrincipalMonthViewTest, ArrowsStepOverYearEnds)
{
    today = QDate(2001, 1, 15);
    FrmPrincipal &w = open();
    EXPECT_EQ(state->ShownMonth, 1);
    QTest::mouseClick(ui(w).imgGoLeft(), Qt::LeftButton);
    EXPECT_EQ(ui(w).lblMes()->text(), "Dezembro de 2000");
    EXPECT_EQ(state->ShownMonth, 12);
    EXPECT_EQ(state->ShownYear, 2000);
    QTest::mouseClick(ui(w).imgGoRight(), Qt::LeftButton);
    QTest::mouseClick(ui(w).imgGoRight(), Qt::LeftButton);
    EXPECT_EQ(ui(w).lblMes()->text(), "Fevereiro de 2001");
    EXPECT_EQ(state->ShownMonth, 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FrmPrincipalMonthViewTest, ArrowsStopAtTheEndsOfTheTable)
{
    today = QDate(1980, 2, 10);
    FrmPrincipal &w = open();
    QTest::mouseClick(ui(w).imgGoLeft(), Qt::LeftButton);
    EXPECT_EQ(ui(w).lblMes()->text(), "Janeiro de 1980");
    QTest::mouseClick(ui(w).imgGoLeft(), Qt::LeftButton);
    EXPECT_EQ(ui(w).lblMes()->text(), "Janeiro de 1980");
    EXPECT_EQ(state->ShownMonth, 1);
    EXPECT_EQ(state->ShownYear, 1980);

    state->ShownMonth = 11;
    state->ShownYear = 2080;
    QTest::mouseClick(ui(w).imgGoRight(), Qt::LeftButton);
    EXPECT_EQ(ui(w).lblMes()->text(), "Dezembro de 2080");
    QTest::mouseClick(ui(w).imgGoRight(), Qt::LeftButton);
    EXPECT_EQ(ui(w).lblMes()->text(), "Dezembro de 2080");
    EXPECT_EQ(state->ShownMonth, 12);
    EXPECT_EQ(state->ShownYear, 2080);
}

TEST_F(FrmPrincipalMonthViewTest, MarksAreReadAfreshAtEveryDrawing)
{
    FrmPrincipal &w = open();
    state->DayMarks.SetMark(QDate(2027, 5, 10), MarkColors::markApice);
    w.ShowMonth(QDate(2027, 5, 1));
    EXPECT_EQ(ui(w).lblDia(6 + 9)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    state->DayMarks.ClearMarks();
    w.ShowMonth(QDate(2027, 5, 1));
    EXPECT_EQ(ui(w).lblDia(6 + 9)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}
