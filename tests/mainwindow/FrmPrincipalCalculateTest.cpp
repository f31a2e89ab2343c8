#include "ImageButton.h"
#include "FrmPrincipalControls.h"
#include "MainWindowFixture.h"
#include "MarkColors.h"
#include "PictureBox.h"
#include "UserRecord.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <QAbstractButton>

using namespace MarkColors;
using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

QSet<QRgb> coloursOf(QWidget *w)
{
    const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    return colours;
}

QRgb rgbOf(qint32 bgr)
{
    return qRgb(red(bgr), green(bgr), blue(bgr)) & 0xFFFFFF;
}

class FrmPrincipalCalculateTest : public MainWindowFixture
{
protected:
    QLabel *cellOfDay(int day)
    {
        for (int i = 0; i < 42; ++i)
            if (ui(*window).lblDia(i)->text().toInt() == day)
                return ui(*window).lblDia(i);
        return nullptr;
    }
};

} // namespace

TEST_F(FrmPrincipalCalculateTest, WorkedExampleShowsMarch2001InItsColours)
{
    writeBytes(settingsPath(), QByteArray("\xFF\xFF", 2));
    FrmPrincipal &w = open();
    EXPECT_TRUE(state->EndDateIsNext);
    EXPECT_TRUE(ui(w).picPrevinir()->isVisible());
    consult("Maria", "1/3/2001", "28");

    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(ui(w).lblMes()->text(), QString::fromUtf8("Março de 2001"));
    EXPECT_EQ(ui(w).txtUltima()->text(), "01/03/2001");
    EXPECT_EQ(state->ShownMonth, 3);
    EXPECT_EQ(state->ShownYear, 2001);
    EXPECT_EQ(state->CurrentName, "Maria");
    EXPECT_FALSE(ui(w).picPrevinir()->isVisible());
    EXPECT_TRUE(ui(w).lblInfoLegenda(0)->isVisible());
    EXPECT_EQ(ui(w).legendBox(0)->background(), QColor(0, 0, 255));

    // March 2001 starts on a Thursday.
    EXPECT_EQ(ui(w).lblDia(4)->text(), "01");
    const std::map<int, qint32> marked = {
        {1, markProxima}, {2, markMenosP}, {3, markMenosP}, {12, markMaisP}, {13, markMaisP},
        {14, markApice}, {15, markMaisP}, {16, markMaisP}, {26, markMenosP}, {27, markMenosP},
        {28, markProxima}, {29, markMenosP}, {30, markMenosP}};
    const QRgb pinkRgb = qRgb(255, 192, 255) & 0xFFFFFF;
    const QList<qint32> allMarks = {markProxima, markMenosP, markMaisP, markApice, markHoje};
    for (int day = 1; day <= 31; ++day) {
        QLabel *cell = cellOfDay(day);
        ASSERT_NE(cell, nullptr) << day;
        const auto it = marked.find(day);
        const qint32 expected = it == marked.end() ? 0 : it->second;
        const QSet<QRgb> colours = coloursOf(cell);
        EXPECT_TRUE(colours.contains(pinkRgb)) << day;
        EXPECT_TRUE(colours.contains(rgbOf(expected))) << "day " << day;
        for (qint32 other : allMarks)
            if (other != expected) {
                EXPECT_FALSE(colours.contains(rgbOf(other))) << "day " << day << " shows " << std::hex << other;
            }
    }
    // Cells outside the month are empty.
    for (int i : {0, 1, 2, 3, 35, 36, 41})
        EXPECT_TRUE(ui(w).lblDia(i)->text().isEmpty()) << i;
}

TEST_F(FrmPrincipalCalculateTest, NextStartInTheFollowingMonthMovesTheView)
{
    writeBytes(settingsPath(), QByteArray("\xFF\xFF", 2));
    FrmPrincipal &w = open();
    consult("Maria", "20/03/2001", "28");
    EXPECT_EQ(ui(w).lblMes()->text(), "Abril de 2001");
    EXPECT_EQ(state->ShownMonth, 4);
}

struct BadInput
{
    const char *name;
    const char *date;
    const char *cycle;
    QMessageBox::Icon icon;
    const char *startOfText;
    const char *focus; // object name
    const char *dateAfter;
};

class FrmPrincipalBadInputTest : public MainWindowFixture, public ::testing::WithParamInterface<BadInput>
{
};

TEST_P(FrmPrincipalBadInputTest, IsRefusedWithItsMessageAndChangesNothing)
{
    const BadInput c = GetParam();
    writeBytes(recordsPath(), UserRecord{"Maria", "28", "01/03/2001"}.encode());
    FrmPrincipal &w = open();
    const QString before = ui(w).lblMes()->text();
    const auto marksBefore = state->DayMarks.cells();
    consult(QString::fromUtf8(c.name), QString::fromUtf8(c.date), QString::fromUtf8(c.cycle));

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, c.icon);
    EXPECT_EQ(messages[0].title, "Erro:");
    EXPECT_TRUE(messages[0].text.startsWith(QString::fromUtf8(c.startOfText))) << qPrintable(messages[0].text);
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QWidget *target = w.findChild<QWidget *>(c.focus);
    ASSERT_NE(target, nullptr);
    EXPECT_TRUE(focus == target || target->isAncestorOf(focus)) << c.focus;
    EXPECT_EQ(ui(w).txtUltima()->text(), QString::fromUtf8(c.dateAfter));
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(ui(w).picPrevinir()->isVisible());
    EXPECT_EQ(ui(w).lblMes()->text(), before);
    EXPECT_EQ(state->DayMarks.cells(), marksBefore);
    EXPECT_TRUE(state->CurrentName.isEmpty());
    EXPECT_EQ(readBytes(recordsPath()), (UserRecord{"Maria", "28", "01/03/2001"}.encode()));
}

INSTANTIATE_TEST_SUITE_P(Messages, FrmPrincipalBadInputTest, ::testing::Values(
    BadInput{"", "abc", "99", QMessageBox::Warning, "Você precisa digitar um nome", "cmbNome", "abc"},
    BadInput{"Maria", "abc", "28", QMessageBox::Warning, "A data que você informou não é uma data válida", "txtUltima", "abc"},
    BadInput{"Maria", "31/02/2001", "28", QMessageBox::Warning, "A data que você informou", "txtUltima", "31/02/2001"},
    BadInput{"Maria", "1/1/2076", "28", QMessageBox::Critical, "Este programa só é capaz de calcular os períodos até 2075", "txtUltima", "01/01/2076"},
    BadInput{"Maria", "31/12/1980", "28", QMessageBox::Critical, "Este programa só é capaz de calcular os períodos após o ano de 1981", "txtUltima", "31/12/1980"},
    BadInput{"Maria", "01/03/2001", "15", QMessageBox::Critical, "O período informado está muito distante", "txtPeriodo", "01/03/2001"},
    BadInput{"Maria", "01/03/2001", "41", QMessageBox::Critical, "O período informado", "txtPeriodo", "01/03/2001"},
    BadInput{"Maria", "01/03/2001", "", QMessageBox::Critical, "O período informado", "txtPeriodo", "01/03/2001"},
    BadInput{"Maria", "01/03/2001", "x", QMessageBox::Critical, "O período informado", "txtPeriodo", "01/03/2001"},
    BadInput{"Ana ✓", "01/03/2001", "28", QMessageBox::Warning, "O nome digitado contém caracteres", "cmbNome", "01/03/2001"}));

TEST_F(FrmPrincipalCalculateTest, PastedControlCharactersAreRefused)
{
    // They would reach the records and every export.
    for (const QString &pasted : {QStringLiteral("Ana\tBia"), QStringLiteral("Ana\x1b[31m")}) {
        FrmPrincipal &w = open();
        messages.clear();
        QGuiApplication::clipboard()->setText(pasted);
        ui(w).cmbNome()->lineEdit()->paste();
        ASSERT_EQ(ui(w).cmbNome()->currentText(), pasted);
        type(ui(w).txtUltima(), "01/03/2001");
        type(ui(w).txtPeriodo(), "28");
        QTest::mouseClick(ui(w).imgCalcular(), Qt::LeftButton);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.startsWith(QString::fromUtf8("O nome digitado contém caracteres")));
        EXPECT_TRUE(readBytes(recordsPath()).isEmpty());
    }
}

TEST_F(FrmPrincipalCalculateTest, RangeEndsPass)
{
    FrmPrincipal &w = open();
    for (const auto &[date, cycle] : {std::pair{"31/12/2075", "16"}, std::pair{"01/01/1981", "40"}}) {
        consult("Maria", date, cycle);
        EXPECT_TRUE(messages.empty()) << date;
    }
    EXPECT_EQ(ui(w).lblMes()->text(), "Fevereiro de 1981");
}

TEST_F(FrmPrincipalCalculateTest, RecordsAfterAddUpdateAndNo)
{
    FrmPrincipal &w = open();
    answers = {true};
    consult("Maria", "01/03/2001", "28");
    EXPECT_EQ(readBytes(recordsPath()), (UserRecord{"Maria", "28", "01/03/2001"}.encode()));
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].startsWith(QString::fromUtf8("Importante:|O seu nome não foi localizado")));
    EXPECT_TRUE(questions[0].contains("agora?\r\n\r\nAo incluir"));
    EXPECT_EQ(ui(w).cmbNome()->count(), 1);
    EXPECT_EQ(ui(w).cmbNome()->currentText(), "Maria");
    EXPECT_EQ(ui(w).cmbNome()->lineEdit()->selectedText(), "Maria");

    consult("MARIA", "02/04/2001", "30");
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(readBytes(recordsPath()), (UserRecord{"MARIA", "30", "02/04/2001"}.encode()));
    EXPECT_EQ(ui(w).cmbNome()->itemText(0), "MARIA");

    answers = {false};
    consult("Ana", "05/05/2005", "27");
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_EQ(readBytes(recordsPath()), (UserRecord{"MARIA", "30", "02/04/2001"}.encode()));
    // Not remembered, but calculated and still typed.
    EXPECT_EQ(ui(w).cmbNome()->count(), 1);
    EXPECT_EQ(ui(w).cmbNome()->currentText(), "Ana");
    EXPECT_EQ(ui(w).lblMes()->text(), "Junho de 2005");
    EXPECT_EQ(state->CurrentName, "Ana");
    EXPECT_FALSE(ui(w).picPrevinir()->isVisible());
}

TEST_F(FrmPrincipalCalculateTest, RecordsFileThatCannotBeWrittenStillShowsTheCalendar)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("quintrela.dat"));
    FrmPrincipal &w = open();
    ASSERT_EQ(messages.size(), 1u); // the name list could not be read
    EXPECT_TRUE(messages[0].text.contains("quintrela.dat"));
    consult("Maria", "01/03/2001", "28");
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[1].title, "Erro:");
    EXPECT_TRUE(messages[1].text.startsWith(QString::fromUtf8("Não foi possível gravar")));
    EXPECT_EQ(ui(w).lblMes()->text(), QString::fromUtf8("Março de 2001"));
    EXPECT_FALSE(ui(w).picPrevinir()->isVisible());
    EXPECT_TRUE(QFileInfo(recordsPath()).isDir());
}

TEST_F(FrmPrincipalCalculateTest, TodaysMarkGoesWithTheFirstConsultation)
{
    today = QDate(2001, 3, 20);
    FrmPrincipal &w = open();
    EXPECT_EQ(state->DayMarks.at(20, 3, 2001), markHoje);
    consult("Maria", "01/03/2001", "28");
    EXPECT_EQ(state->DayMarks.at(20, 3, 2001), 0);
    EXPECT_EQ(ui(w).lblMes()->text(), QString::fromUtf8("Março de 2001"));
}

TEST_F(FrmPrincipalCalculateTest, RealQuestionBoxAnsweredNo)
{
    // The real boxes, in Portuguese; answered as a user would.
    window = std::make_unique<FrmPrincipal>(*state, dir.path());
    window->show();
    QStringList buttons;
    QString title;
    QTimer::singleShot(100, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        for (QAbstractButton *b : box->buttons())
            buttons << b->text().remove('&');
        box->button(QMessageBox::No)->click();
    });
    consult("Maria", "01/03/2001", "28");
    EXPECT_EQ(title, "Importante:");
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({QString::fromUtf8("Não"), "Sim"}));
    EXPECT_EQ(QFile(recordsPath()).size(), 0);
    EXPECT_EQ(ui(*window).lblMes()->text(), QString::fromUtf8("Março de 2001"));
}
