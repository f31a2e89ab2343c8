#include "ImageButton.h"
#include "FrmPrincipalControls.h"
#include "MainWindowFixture.h"
#include "UserRecord.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {
class FrmPrincipalInputTest : public MainWindowFixture
{
protected:
    void pick(int index)
    {
        ui(*window).cmbNome()->setCurrentIndex(index);
        emit ui(*window).cmbNome()->activated(index);
    }
};
} // namespace

TEST_F(FrmPrincipalInputTest, PickingANameFillsTheFieldsFromTheLastMatch)
{
    writeBytes(recordsPath(), UserRecord{"maria", "27", "02/02/2002"}.encode()
                                  + UserRecord{"  Bia", "30", "03/03/2003"}.encode()
                                  + UserRecord{"Maria", "31", "04/04/2004"}.encode());
    FrmPrincipal &w = open();
    pick(0);
    EXPECT_EQ(ui(w).cmbNome()->currentText(), "Maria");
    EXPECT_EQ(ui(w).txtUltima()->text(), "04/04/2004");
    EXPECT_EQ(ui(w).txtPeriodo()->text(), "31");
    pick(1);
    EXPECT_EQ(ui(w).cmbNome()->currentText(), "Bia");
    EXPECT_EQ(ui(w).txtUltima()->text(), "03/03/2003");
    EXPECT_EQ(ui(w).txtPeriodo()->text(), "30");
    EXPECT_TRUE(questions.empty());
}

TEST_F(FrmPrincipalInputTest, PickingFromTheRealListWithTheKeyboard)
{
    writeBytes(recordsPath(), UserRecord{"Ana", "27", "02/02/2002"}.encode());
    FrmPrincipal &w = open();
    ui(w).cmbNome()->showPopup();
    QAbstractItemView *list = ui(w).cmbNome()->view();
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(ui(w).cmbNome()->currentText(), "Ana");
    EXPECT_EQ(ui(w).txtUltima()->text(), "02/02/2002");
    EXPECT_EQ(ui(w).txtPeriodo()->text(), "27");
}

TEST_F(FrmPrincipalInputTest, EnterInAnyFieldCalculates)
{
    FrmPrincipal &w = open();
    // Empty name: the command runs and says so.
    QTest::keyClick(ui(w).cmbNome()->lineEdit(), Qt::Key_Return);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(QString::fromUtf8("Você precisa digitar um nome")));

    type(ui(w).cmbNome()->lineEdit(), "Nova");
    type(ui(w).txtUltima(), "01/03/2001");
    // Where the keys of the focused name box really go.
    ui(w).cmbNome()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(ui(w).lblMes()->text(), QString::fromUtf8("Março de 2001"));
    EXPECT_EQ(ui(w).cmbNome()->count(), 1);

    type(ui(w).txtUltima(), "01/06/2001");
    QTest::keyClick(ui(w).txtUltima(), Qt::Key_Enter);
    EXPECT_EQ(ui(w).lblMes()->text(), "Junho de 2001");
    type(ui(w).txtPeriodo(), "40");
    QTest::keyClick(ui(w).txtPeriodo(), Qt::Key_Return);
    EXPECT_EQ(ui(w).lblMes()->text(), "Julho de 2001");
    EXPECT_EQ(readBytes(recordsPath()), (UserRecord{"Nova", "40", "01/06/2001"}.encode()));
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(FrmPrincipalInputTest, TextFieldsSelectAllOnFocusAndKeepTheirLimits)
{
    FrmPrincipal &w = open();
    QTest::keyClick(ui(w).cmbNome()->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(ui(w).txtUltima()->selectedText(), "07/12/2026");
    QTest::keyClicks(ui(w).txtUltima(), "1/3/2001");
    EXPECT_EQ(ui(w).txtUltima()->text(), "1/3/2001");
    QTest::keyClick(ui(w).txtUltima(), Qt::Key_Tab);
    EXPECT_EQ(ui(w).txtPeriodo()->selectedText(), "28");
    QTest::keyClicks(ui(w).txtPeriodo(), "abc");
    EXPECT_EQ(ui(w).txtPeriodo()->text(), "ab");
    // Focus by mouse selects the whole text too.
    ui(w).txtUltima()->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(ui(w).txtUltima()->selectedText(), "1/3/2001");
    type(ui(w).txtUltima(), "12345678901234");
    EXPECT_EQ(ui(w).txtUltima()->text(), "1234567890");
}

TEST_F(FrmPrincipalInputTest, ClosingWithATypedNameDoesNotReadTheFileAgain)
{
    writeBytes(recordsPath(), UserRecord{"Ana", "27", "02/02/2002"}.encode());
    FrmPrincipal &w = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    type(ui(w).cmbNome()->lineEdit(), "Ana");
    ui(w).cmbNome()->setFocus();
    ASSERT_TRUE(ui(w).cmbNome()->hasFocus());
    // A half-closed window that looked the name up would read freed memory
    // (caught by the address sanitizer build) or find the folder and say so.
    ASSERT_TRUE(QFile::remove(recordsPath()));
    ASSERT_TRUE(QDir(dir.path()).mkdir("quintrela.dat"));
    window.reset();
    EXPECT_TRUE(messages.empty());
}
