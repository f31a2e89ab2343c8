#include "CycleProjection.h"
#include "PdfWords.h"
#include "PrintCalendar.h"
#include "QtPrinterSurface.h"
#include "fQuintrela.h"

#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr double R[7] = {35.41, 69.12, 102.83, 136.54, 170.25, 203.96, 237.7};

FacePictures faces()
{
    FacePictures f;
    for (QPixmap &p : f) {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(Qt::yellow);
        p = QPixmap::fromImage(image);
    }
    return f;
}

// Prints a month to a PDF file and reads its words back.
PdfPage printToPdf(const fQuintrela &state, const QString &month, const QString &year, const QString &path,
                   QMarginsF *margins = nullptr)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QtPrinterSurface surface(printer);
    EXPECT_TRUE(PrintCalendar(state, faces(), "https://quintrela.com.br", month, year, surface));
    if (margins)
        *margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    return readPdfPage(path);
}

} // namespace

TEST(QtPrinterSurfaceTest, PageTextsStandWhereTheLayoutPutsThem)
{
    QTemporaryDir dir;
    fQuintrela state;
    state.CurrentName = "Maria";
    state.EndDateIsNext = true;
    ProjectCycles(state, "01/03/2001", "28");
    QMarginsF margins;
    const PdfPage page = printToPdf(state, "3", "2001", dir.filePath("page.pdf"), &margins);
    ASSERT_FALSE(page.words.isEmpty());
    EXPECT_GT(page.width, page.height); // landscape

    // Positions on the page are the layout's, moved by the printable area's corner.
    const auto x = [&](double mm) { return mm + margins.left(); };
    const QList<PdfWord> heading = page.find(QString::fromUtf8("Calendário"));
    ASSERT_FALSE(heading.isEmpty());
    EXPECT_NEAR(heading[0].xMin, x(7), 0.5);
    EXPECT_EQ(page.lineStartingWith(QString::fromUtf8("Calendário")), QString::fromUtf8("Calendário menstrual de Maria"));
    const QList<PdfWord> year = page.find("2001");
    ASSERT_FALSE(year.isEmpty());
    EXPECT_NEAR(year[0].xMax, x(235), 0.5); // the title ends at 235
    EXPECT_NEAR(page.find(QString::fromUtf8("Março"))[0].yMax - page.find(QString::fromUtf8("Março"))[0].yMin,
                35 * 25.4 / 72, 4.0); // a 35-point title
    EXPECT_NEAR(page.find("*")[0].xMin, x(3), 0.5);
    EXPECT_FALSE(page.find("https://quintrela.com.br").isEmpty());

    // Day 1 is a Thursday: right-aligned at column 4's anchor; day 31 on Saturday.
    const QList<PdfWord> first = page.find("01");
    ASSERT_FALSE(first.isEmpty());
    EXPECT_NEAR(first[0].xMax, x(R[4]), 0.5);
    const QList<PdfWord> last = page.find("31");
    ASSERT_FALSE(last.isEmpty());
    EXPECT_NEAR(last[0].xMax, x(R[6]), 0.5);

    // Legends of the marked days, centred under their day.
    EXPECT_EQ(page.find(QString::fromUtf8("(ápice")).size(), 1);
    EXPECT_EQ(page.find(QString::fromUtf8("(próxima")).size(), 2);
    EXPECT_EQ(page.find("(dia").size(), 10);
}
