#include "ImageButton.h"
#include "MainWindowFixture.h"
#include "PdfWords.h"

#include <QFile>
#include <QPrinter>

namespace {

class FrmPrincipalPrintTest : public MainWindowFixture
{
protected:
    QString pdfPath() const { return dir.path() + "/saved.pdf"; }
    QStringList titles;
    QStringList suggestions;
    int printersAsked = 0;

    FrmPrincipal &openWith(std::function<std::unique_ptr<QPrinter>()> printer, QString chosen)
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

std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

} // namespace

TEST_F(FrmPrincipalPrintTest, PrintsTheMonthOnViewOnTheDefaultPrinter)
{
    const QString printed = dir.path() + "/printer.pdf";
    FrmPrincipal &w = openWith([&] { return pdfPrinter(printed); }, QString());
    w.imgCalcular()->setBorderStyle(1);
    w.imgImprimir()->setBorderStyle(1);
    QTest::mouseClick(w.imgImprimir(), Qt::LeftButton);
    EXPECT_EQ(printersAsked, 1);
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.imgCalcular()->borderStyle(), 0);
    EXPECT_EQ(w.imgImprimir()->borderStyle(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const PdfPage page = readPdfPage(printed);
    EXPECT_FALSE(page.find("Dezembro").isEmpty());
}

TEST_F(FrmPrincipalPrintTest, NoPrinterOffersAPdfInstead)
{
    FrmPrincipal &w = openWith([] { return nullptr; }, pdfPath());
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
    openWith([] { return nullptr; }, pdfPath());
    answers = {false};
    QTest::mouseClick(window->imgImprimir(), Qt::LeftButton);
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_TRUE(suggestions.isEmpty());
    EXPECT_FALSE(QFile::exists(pdfPath()));

    answers = {true}; // then the file dialog is cancelled
    window = nullptr;
    openWith([] { return nullptr; }, QString());
    QTest::mouseClick(window->imgImprimir(), Qt::LeftButton);
    EXPECT_EQ(suggestions.size(), 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FrmPrincipalPrintTest, AFailingPrinterIsNotReportedAsPrinted)
{
    openWith([] { return pdfPrinter("/nonexistent-folder/page.pdf"); }, "/nonexistent-folder/saved.pdf");
    answers = {true};
    QTest::mouseClick(window->imgImprimir(), Qt::LeftButton);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].startsWith(QString::fromUtf8("Erro:|A impressora não conseguiu imprimir")));
    // The PDF could not be written either: said so.
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Erro:");
    EXPECT_TRUE(messages[0].text.startsWith(QString::fromUtf8("Não foi possível salvar o calendário")));
}
