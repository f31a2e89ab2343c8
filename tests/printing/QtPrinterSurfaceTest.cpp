#include "CycleProjection.h"
#include "PdfWords.h"
#include "PrintCalendar.h"
#include "PrintedPdf.h"
#include "QtPrinterSurface.h"
#include "fQuintrela.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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
    EXPECT_TRUE(PrintCalendar(state, faces(), "https://quintrela.com.br", QDate(year.toInt(), month.toInt(), 1), surface));
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
    ProjectCycles(state, QDate(2001, 3, 1), 28);
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

TEST(QtPrinterSurfaceTest, LinesAreTheSameWidthOnAnyPrinter)
{
    // The page printed at 300 and at 1200 dots per inch, looked at through
    // the same 600 dpi raster: the frame's top line is as thick on both, 0.2 mm.
    QTemporaryDir dir;
    fQuintrela state;
    std::vector<int> thickness;
    for (int resolution : {300, 1200}) {
        const QString pdf = dir.filePath(QStringLiteral("page-%1.pdf").arg(resolution));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(resolution);
        QtPrinterSurface surface(printer);
        ASSERT_TRUE(PrintCalendar(state, faces(), "https://quintrela.com.br", QDate(2026, 3, 1), surface));
        const QPageLayout layout = printer.pageLayout();
        // Down the page through the middle of the frame's top edge (y = 2 mm).
        const double dotsPerMm = 600 / 25.4;
        const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
        const int x = int((margins.left() + 120) * dotsPerMm);
        const int top = int((margins.top() + 2) * dotsPerMm);
        QProcess raster; // only a strip of the page: a whole page at 600 dpi is too big a picture
        raster.start("pdftoppm", {"-r", "600", "-gray", "-png", "-singlefile", "-x", QString::number(x), "-y",
                                  QString::number(top - 20), "-W", "4", "-H", "40", pdf,
                                  dir.filePath(QString::number(resolution))});
        ASSERT_TRUE(raster.waitForFinished(30000));
        const QImage image(dir.filePath(QString::number(resolution) + ".png"));
        ASSERT_FALSE(image.isNull()) << raster.readAllStandardError().constData();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            dark += qGray(image.pixel(1, y)) < 128;
        thickness.push_back(dark);
    }
    const int expected = int(0.2 * 600 / 25.4 + 0.5); // 5 rows
    EXPECT_NEAR(thickness[0], expected, 1);
    EXPECT_NEAR(thickness[1], expected, 1);
}

TEST(PrintedPdfTest, ThePdfOfferedWhenPrintingFailedNeverAsksThePrintService)
{
    // A print service that only counts who knocks: the page kept as a PDF
    // must not wait on, nor depend on, the service that has just failed.
    QTemporaryDir dir;
    const QByteArray socketPath = QFile::encodeName(dir.filePath("cups.sock"));
    const int service = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path);
    ASSERT_EQ(::bind(service, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(service, 8), 0);
    const QByteArray saved = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", socketPath);
    const QPageLayout layout = defaultPdfLayout();
    drawPrintedPdf(layout, [](PrinterSurface &) { return true; });
    qputenv("CUPS_SERVER", saved);
    int knocks = 0;
    while (::accept(service, nullptr, nullptr) >= 0)
        ++knocks;
    ::close(service);
    EXPECT_EQ(knocks, 0);
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
}
