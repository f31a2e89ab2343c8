#include "Artwork.h"
#include "FrmPrincipalControls.h"
#include "ImageButton.h"
#include "MainWindowFixture.h"
#include "PictureBox.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace {

// Where a control stands in the window's client area.
QRect inWindow(const QWidget *w)
{
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

class FrmPrincipalLayoutTest : public MainWindowFixture
{
};

} // namespace

TEST_F(FrmPrincipalLayoutTest, WindowFrameAndCaption)
{
    FrmPrincipal &w = open();
    EXPECT_EQ(w.size(), QSize(490, 460));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowTitle().startsWith(QString::fromUtf8("Quintrela Eletrônica (")));
    EXPECT_TRUE(w.windowTitle().endsWith(")"));
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST_F(FrmPrincipalLayoutTest, ControlsStandWhereDesigned)
{
    FrmPrincipal &w = open();
    // Twips / 15; a control inside a bar is 2 pixels further in.
    const std::pair<QWidget *, QRect> places[] = {
        {ui(w).picEntrada(), QRect(0, 0, 490, 52)},
        {ui(w).imgFigCalendario(), QRect(0, 54, 490, 283)},
        {ui(w).picLegenda(), QRect(0, 339, 490, 46)},
        {ui(w).picPrevinir(), QRect(0, 339, 490, 46)},
        {ui(w).lblInfo(), QRect(3, 384, 208, 16)},
        {ui(w).cmbNome(), QRect(5, 20, 244, 24)},
        {ui(w).txtUltima(), QRect(251, 20, 97, 25)},
        {ui(w).txtPeriodo(), QRect(353, 20, 25, 25)},
        {ui(w).lblShowDias(), QRect(380, 20, 31, 16)},
        {ui(w).imgCalcular(), QRect(413, 17, 32, 32)},
        {ui(w).imgImprimir(), QRect(455, 17, 32, 32)},
        {ui(w).lblLabel(0), QRect(5, 5, 124, 16)},
        {ui(w).lblLabel(1), QRect(353, 5, 49, 16)},
        {ui(w).lblLabel(2), QRect(410, 5, 43, 16)},
        {ui(w).lblLabel(3), QRect(251, 5, 97, 16)},
        {ui(w).lblLabel(5), QRect(449, 5, 40, 16)},
        {ui(w).imgGoLeft(), QRect(5, 59, 32, 32)},
        {ui(w).imgGoRight(), QRect(455, 59, 32, 32)},
        {ui(w).lblMes(), QRect(56, 59, 382, 28)},
        {ui(w).lblSemana(0), QRect(11, 98, 46, 28)},
        {ui(w).lblSemana(6), QRect(431, 98, 46, 28)},
        {ui(w).lblDia(0), QRect(11, 132, 46, 28)},
        {ui(w).lblDia(8), QRect(80, 165, 46, 28)},
        {ui(w).lblDia(41), QRect(431, 297, 46, 28)},
        {ui(w).legendBox(0), QRect(5, 347, 13, 13)},
        {ui(w).lblInfoLegenda(0), QRect(20, 347, 115, 16)},
        {ui(w).legendBox(3), QRect(134, 347, 13, 13)},
        {ui(w).lblInfoLegenda(2), QRect(149, 365, 100, 16)},
        {ui(w).imgQuintrela1(), QRect(251, 347, 233, 30)},
        {ui(w).imgQuintrela(), QRect(251, 347, 233, 30)},
        {ui(w).lblSexoSafe(), QRect(5, 341, 238, 40)},
        {ui(w).imgPublicitario()->parentWidget(), QRect(9, 396, 472, 64)},
        {ui(w).imgPublicitario(), QRect(11, 398, 468, 60)},
    };
    for (const auto &[control, place] : places)
        EXPECT_EQ(inWindow(control), place) << qPrintable(control->objectName());
}

TEST_F(FrmPrincipalLayoutTest, PicturesHaveTheirDesignedSizes)
{
    FrmPrincipal &w = open();
    EXPECT_EQ(ui(w).imgPub(0)->pixmap().size(), QSize(468, 60));
    EXPECT_EQ(ui(w).imgPub(1)->pixmap().size(), QSize(468, 60));
    EXPECT_EQ(ui(w).imgQuintrela()->pixmap().size(), QSize(233, 30));
    EXPECT_EQ(ui(w).imgPublicitario()->pixmap().size(), QSize(468, 60));
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(ui(w).picRosto(i)->isVisible());
        EXPECT_EQ(ui(w).picRosto(i)->geometry(), QRect(234 + 36 * i, 387, 36, 36));
    }
    // The stores lie beyond the right edge and are never seen.
    EXPECT_GE(ui(w).imgPub(0)->x(), w.width());
    EXPECT_GE(ui(w).imgPub(1)->x(), w.width());
    const QCursor hand = Artwork::handCursor();
    EXPECT_EQ(hand.hotSpot(), QPoint(5, 0));
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
}

TEST_F(FrmPrincipalLayoutTest, TextsFontsAndLimits)
{
    FrmPrincipal &w = open();
    EXPECT_EQ(ui(w).lblLabel(0)->text(), "Digite o seu nome abaixo:");
    EXPECT_EQ(ui(w).lblLabel(3)->text(), QString::fromUtf8("Última Menstruação:"));
    EXPECT_EQ(ui(w).lblLabel(1)->text(), QString::fromUtf8("Período:"));
    EXPECT_EQ(ui(w).lblInfo()->text(), QString::fromUtf8("Espaço Publicitário:"));
    EXPECT_EQ(ui(w).lblSemana(6)->text(), QString::fromUtf8("Sáb"));
    EXPECT_EQ(ui(w).lblInfoLegenda(3)->text(), QString::fromUtf8("Ápice da Ovulação"));
    EXPECT_EQ(ui(w).txtPeriodo()->text(), "28");
    EXPECT_EQ(ui(w).txtUltima()->maxLength(), 10);
    EXPECT_EQ(ui(w).txtPeriodo()->maxLength(), 2);
    EXPECT_EQ(ui(w).lblSexoSafe()->font().bold(), true);
    EXPECT_EQ(ui(w).lblMes()->font().pixelSize(), 24);
    EXPECT_EQ(ui(w).lblDia(0)->font().pixelSize(), 18);
    EXPECT_EQ(ui(w).txtUltima()->font().pixelSize(), 13);
    EXPECT_EQ(ui(w).lblShowDias()->font().pixelSize(), 16);
    EXPECT_EQ(ui(w).lblLabel(0)->font().pixelSize(), 11);
    EXPECT_EQ(ui(w).lblInfoLegenda(4)->font().pixelSize(), 13);
    EXPECT_EQ(ui(w).lblMes()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(ui(w).imgFigCalendario()->background(), QColor(255, 192, 255));
}

TEST_F(FrmPrincipalLayoutTest, EveryFixedCaptionFitsItsControl)
{
    FrmPrincipal &w = open();
    std::vector<QLabel *> labels = {ui(w).lblInfo(), ui(w).lblShowDias(), ui(w).lblMes()};
    for (int i : {0, 1, 2, 3, 5})
        labels.push_back(ui(w).lblLabel(i));
    for (int i = 0; i < 6; ++i)
        labels.push_back(ui(w).lblInfoLegenda(i));
    for (int i = 0; i < 7; ++i)
        labels.push_back(ui(w).lblSemana(i));
    for (QLabel *label : labels) {
        const QFontMetrics fm(label->font());
        EXPECT_LE(fm.horizontalAdvance(label->text()), label->width()) << qPrintable(label->text());
        // The ink, top-aligned, stays inside the label.
        const QRect ink = fm.tightBoundingRect(label->text());
        EXPECT_GE(fm.ascent() + ink.top(), 0) << qPrintable(label->text());
        EXPECT_LE(fm.ascent() + ink.bottom(), label->height()) << qPrintable(label->text());
    }
    // The longest month caption and day number fit their cells.
    const QFontMetrics month(ui(w).lblMes()->font());
    EXPECT_LE(month.horizontalAdvance(QString::fromUtf8("Fevereiro de 2026")), ui(w).lblMes()->width());
    const QFontMetrics day(ui(w).lblDia(0)->font());
    EXPECT_LE(day.horizontalAdvance("28"), ui(w).lblDia(0)->width());
    // The notice wraps within its label.
    const QRect needed = QFontMetrics(ui(w).lblSexoSafe()->font())
                             .boundingRect(ui(w).lblSexoSafe()->rect(), Qt::TextWordWrap | Qt::AlignHCenter,
                                           ui(w).lblSexoSafe()->text());
    EXPECT_LE(needed.height(), ui(w).lblSexoSafe()->height());
    EXPECT_LE(needed.width(), ui(w).lblSexoSafe()->width());
    // A typed date fits its field.
    const QFontMetrics field(ui(w).txtUltima()->font());
    EXPECT_LE(field.horizontalAdvance("28/08/2008"), ui(w).txtUltima()->width() - 6);
}

TEST_F(FrmPrincipalLayoutTest, StackingFocusAndPointers)
{
    FrmPrincipal &w = open();
    // The notice bar covers the legend; the banner and bars cover lblInfo.
    EXPECT_EQ(w.childAt(100, 360), ui(w).lblSexoSafe());
    EXPECT_EQ(w.childAt(300, 360), ui(w).imgQuintrela());
    const QWidget *atInfoTop = w.childAt(20, 384);
    EXPECT_NE(atInfoTop, ui(w).lblInfo());
    EXPECT_EQ(w.childAt(20, 390), ui(w).lblInfo());
    EXPECT_NE(w.childAt(20, 398), ui(w).lblInfo());

    EXPECT_EQ(QApplication::focusWidget(), ui(w).cmbNome());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ui(w).txtUltima());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ui(w).txtPeriodo());

    for (QWidget *hand : {static_cast<QWidget *>(ui(w).imgGoLeft()), static_cast<QWidget *>(ui(w).imgGoRight()),
                          static_cast<QWidget *>(ui(w).imgQuintrela()), static_cast<QWidget *>(ui(w).imgQuintrela1()),
                          static_cast<QWidget *>(ui(w).imgPublicitario())}) {
        EXPECT_EQ(hand->cursor().shape(), Qt::BitmapCursor) << qPrintable(hand->objectName());
        EXPECT_EQ(hand->cursor().hotSpot(), QPoint(5, 0));
    }
    for (QWidget *arrow : {static_cast<QWidget *>(ui(w).imgCalcular()), static_cast<QWidget *>(ui(w).imgImprimir()),
                           static_cast<QWidget *>(ui(w).lblDia(3))})
        EXPECT_EQ(arrow->cursor().shape(), Qt::ArrowCursor) << qPrintable(arrow->objectName());
}

TEST_F(FrmPrincipalLayoutTest, TheKeyboardFocusFrameOutlivesAMessageBox)
{
    FrmPrincipal &w = open();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const QImage unfocused = ui(w).imgCalcular()->grab().toImage();
    ui(w).txtPeriodo()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(ui(w).txtPeriodo(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), ui(w).imgCalcular());
    const QImage framed = ui(w).imgCalcular()->grab().toImage();
    EXPECT_NE(framed, unfocused);
    // A box takes the activation and gives it back.
    QWidget box;
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.close();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_EQ(QApplication::focusWidget(), ui(w).imgCalcular());
    EXPECT_EQ(ui(w).imgCalcular()->grab().toImage(), framed);
}
