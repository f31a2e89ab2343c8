#include "ImageButton.h"
#include "FrmPrincipalControls.h"
#include "MainWindowFixture.h"
#include "PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

class FrmPrincipalHoverTest : public MainWindowFixture
{
protected:
    void moveOver(QWidget *control)
    {
        QTest::mouseMove(control, control->rect().center());
        QApplication::processEvents();
    }
    std::array<int, 4> borders() const
    {
        return {ui(*window).imgCalcular()->borderStyle(), ui(*window).imgImprimir()->borderStyle(),
                ui(*window).imgQuintrela()->borderStyle(), ui(*window).imgQuintrela1()->borderStyle()};
    }
    void lightAll()
    {
        for (ImageButton *b : {ui(*window).imgCalcular(), ui(*window).imgImprimir(), ui(*window).imgQuintrela(), ui(*window).imgQuintrela1()})
            b->setBorderStyle(1);
    }
};

} // namespace

TEST_F(FrmPrincipalHoverTest, CalculateThenPrintLeavesOnlyPrintLit)
{
    FrmPrincipal &w = open();
    EXPECT_EQ(borders(), (std::array<int, 4>{0, 0, 0, 0}));
    moveOver(ui(w).imgCalcular());
    EXPECT_EQ(borders(), (std::array<int, 4>{1, 0, 0, 0}));
    moveOver(ui(w).imgImprimir());
    EXPECT_EQ(borders(), (std::array<int, 4>{0, 1, 0, 0}));
}

TEST_F(FrmPrincipalHoverTest, RowsOfTheTable)
{
    FrmPrincipal &w = open();
    const std::pair<QWidget *, std::array<int, 4>> rows[] = {
        {ui(w).lblDia(10), {0, 0, 0, 0}},
        {ui(w).txtUltima(), {0, 0, 1, 1}},
        {ui(w).lblMes(), {0, 0, 1, 1}},
        {ui(w).imgGoLeft(), {0, 0, 1, 1}},
        {ui(w).lblSexoSafe(), {1, 1, 0, 0}},
        {ui(w).imgPublicitario(), {1, 1, 0, 1}},
        {ui(w).cmbNome(), {1, 1, 1, 1}},      // the name box changes nothing
        {ui(w).lblLabel(0), {1, 1, 1, 1}},    // nor a caption without a handler
        {ui(w).lblInfo(), {1, 1, 1, 1}},
        {ui(w).lblSemana(2), {1, 1, 1, 1}},
    };
    for (const auto &[control, expected] : rows) {
        lightAll();
        moveOver(control);
        EXPECT_EQ(borders(), expected) << qPrintable(control->objectName());
    }
    // Over the window's own background, between the bars.
    lightAll();
    QTest::mouseMove(&w, QPoint(200, 53));
    QApplication::processEvents();
    EXPECT_EQ(borders(), (std::array<int, 4>{1, 1, 0, 0}));
}

TEST_F(FrmPrincipalHoverTest, ProductBannersLightThemselves)
{
    FrmPrincipal &w = open();
    moveOver(ui(w).imgQuintrela());
    EXPECT_EQ(borders(), (std::array<int, 4>{0, 0, 1, 0}));
    moveOver(ui(w).imgPublicitario()); // off, and imgQuintrela1 untouched
    EXPECT_EQ(borders(), (std::array<int, 4>{0, 0, 0, 0}));
    ui(w).picPrevinir()->hide();
    moveOver(ui(w).imgQuintrela1());
    EXPECT_EQ(borders(), (std::array<int, 4>{0, 0, 0, 1}));
    moveOver(ui(w).lblInfoLegenda(1));
    EXPECT_EQ(borders(), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST_F(FrmPrincipalHoverTest, ABorderIsDrawnAroundTheLitPicture)
{
    FrmPrincipal &w = open();
    const QImage plain = ui(w).imgCalcular()->grab().toImage();
    ui(w).imgCalcular()->setBorderStyle(1);
    const QImage lit = ui(w).imgCalcular()->grab().toImage();
    EXPECT_EQ(lit.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(lit.pixelColor(31, 16), QColor(Qt::black));
    EXPECT_NE(plain.pixelColor(0, 0), QColor(Qt::black));
}

TEST_F(FrmPrincipalHoverTest, BannersOpenTheirPages)
{
    FrmPrincipal &w = open();
    QTest::mouseClick(ui(w).imgQuintrela(), Qt::LeftButton);
    ui(w).picPrevinir()->hide();
    QTest::mouseClick(ui(w).imgQuintrela1(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], opened[1]);
    EXPECT_EQ(opened[0].scheme(), "https");
    EXPECT_TRUE(w.windowTitle().contains(opened[0].toString()));
}

TEST_F(FrmPrincipalHoverTest, AdvertisingLinkWorksFrom10March2001)
{
    const std::pair<QDate, bool> days[] = {{QDate(2001, 3, 9), false}, {QDate(2001, 3, 10), true},
                                           {QDate(2026, 12, 7), true}, {QDate(1999, 1, 1), false}};
    for (const auto &[day, opens] : days) {
        today = day;
        opened.clear();
        open();
        QTest::mouseClick(ui(*window).imgPublicitario(), Qt::LeftButton);
        EXPECT_EQ(opened.size(), opens ? 1u : 0u) << qPrintable(day.toString());
        if (opens) {
            EXPECT_NE(opened[0].toString(), QString::fromUtf8("https://quintrela.com.br"));
        }
    }
}

TEST_F(FrmPrincipalHoverTest, PicturesThatActAsButtonsHaveNamesAndKeys)
{
    FrmPrincipal &w = open();
    for (QWidget *image : {static_cast<QWidget *>(ui(w).imgCalcular()), static_cast<QWidget *>(ui(w).imgImprimir()),
                           static_cast<QWidget *>(ui(w).imgGoLeft()), static_cast<QWidget *>(ui(w).imgGoRight()),
                           static_cast<QWidget *>(ui(w).imgQuintrela()), static_cast<QWidget *>(ui(w).imgQuintrela1()),
                           static_cast<QWidget *>(ui(w).imgPublicitario())}) {
        EXPECT_FALSE(image->accessibleName().isEmpty()) << qPrintable(image->objectName());
        EXPECT_FALSE(image->accessibleDescription().isEmpty()) << qPrintable(image->objectName());
    }
    EXPECT_EQ(ui(w).imgGoLeft()->accessibleName(), QString::fromUtf8("Mês anterior"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    EXPECT_EQ(ui(w).lblMes()->text(), "Janeiro de 2027");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
    EXPECT_EQ(ui(w).lblMes()->text(), "Novembro de 2026");
}
