#include "FakePrintQueue.h"
#include "FrmPrincipalControls.h"
#include "ImageButton.h"
#include "MainWindowFixture.h"
#include "PdfWords.h"

#include <QFile>

namespace {

class FrmPrincipalPrintTest : public MainWindowFixture
{
protected:
    QString pdfPath() const { return dir.path() + "/saved.pdf"; }
    QStringList titles;
    QStringList suggestions;
    int printersAsked = 0;

    FrmPrincipal &openWith(std::function<std::unique_ptr<PrintQueue>()> printer, QString chosen)
    {
        WindowServices s = services();
        s.defaultPrinter = [this, printer] {
            ++printersAsked;
            return printer();
        };
        s.chooseSavePath = [this, chosen](QWidget *, const QString &title, const QString &suggested, const QString &) {
            titles << title;
            suggestions << suggested;
            return chosen;
        };
        window = std::make_unique<FrmPrincipal>(*state, dir.path(), s);
        window->show();
        return *window;
    }
};

std::unique_ptr<PrintQueue> pdfPrinter(const QString &path)
{
    return std::make_unique<FakePrintQueue>(path);
}

std::unique_ptr<PrintQueue> noPrinter()
{
    return std::make_unique<FakePrintQueue>(QString(), PrintOutcome{PrintOutcome::Status::NoPrinter, {}});
}

} // namespace

TEST_F(FrmPrincipalPrintTest, PrintsTheMonthOnViewOnTheDefaultPrinter)
{
    const QString printed = dir.path() + "/printer.pdf";
    FrmPrincipal &w = openWith([&] { return pdfPrinter(printed); }, QString());
    ui(w).imgCalcular()->setBorderStyle(1);
    ui(w).imgImprimir()->setBorderStyle(1);
    QTest::mouseClick(ui(w).imgImprimir(), Qt::LeftButton);
    EXPECT_EQ(printersAsked, 1);
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ui(w).imgCalcular()->borderStyle(), 0);
    EXPECT_EQ(ui(w).imgImprimir()->borderStyle(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const PdfPage page = readPdfPage(printed);
    EXPECT_FALSE(page.find("Dezembro").isEmpty());
}

TEST_F(FrmPrincipalPrintTest, NoPrinterOffersAPdfInstead)
{
    FrmPrincipal &w = openWith(noPrinter, pdfPath());
    answers = {true};
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].startsWith(QString::fromUtf8("Erro:|Não há nenhuma impressora padrão")));
    ASSERT_EQ(suggestions.size(), 1);
    EXPECT_TRUE(suggestions[0].endsWith("Quintrela 2026-12.pdf")) << qPrintable(suggestions[0]);
    const PdfPage page = readPdfPage(pdfPath());
    EXPECT_FALSE(page.find("Dezembro").isEmpty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrmPrincipalPrintTest, DecliningThePdfSavesNothing)
{
    openWith(noPrinter, pdfPath());
    answers = {false};
    QTest::mouseClick(ui(*window).imgImprimir(), Qt::LeftButton);
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_TRUE(suggestions.isEmpty());
    EXPECT_FALSE(QFile::exists(pdfPath()));

    answers = {true}; // then the file dialog is cancelled
    window = nullptr;
    openWith(noPrinter, QString());
    QTest::mouseClick(ui(*window).imgImprimir(), Qt::LeftButton);
    EXPECT_EQ(suggestions.size(), 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrmPrincipalPrintTest, AFailingPrinterIsNotReportedAsPrinted)
{
    openWith([] { return std::make_unique<FakePrintQueue>(QString(), PrintOutcome{},
                                                          PrintOutcome{PrintOutcome::Status::Failed, "Broken pipe"}); },
             "/nonexistent-folder/saved.pdf");
    answers = {true};
    QTest::mouseClick(ui(*window).imgImprimir(), Qt::LeftButton);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].startsWith(QString::fromUtf8(
        "Erro:|A impressora não conseguiu imprimir o calendário. O serviço de impressão informou: Broken pipe.")));
    // The PDF could not be written either: said so.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Erro:");
    EXPECT_EQ(messages[0].text, QString::fromUtf8("Não foi possível salvar o calendário no arquivo PDF escolhido. "
                                                  "A pasta de /nonexistent-folder/saved.pdf não existe."));
}

TEST_F(FrmPrincipalPrintTest, ACancelledPrinterFileDialogSaysNothing)
{
    // A print-to-file printer ("Microsoft Print to PDF") whose own dialog she closed.
    openWith([] { return std::make_unique<FakePrintQueue>(QString(), PrintOutcome{},
                                                          PrintOutcome{PrintOutcome::Status::Cancelled, {}}); },
             pdfPath());
    QTest::mouseClick(ui(*window).imgImprimir(), Qt::LeftButton);
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(QFile::exists(pdfPath()));
}
