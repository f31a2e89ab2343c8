#include "CycleProjection.h"
#include "PrintCalendar.h"
#include "QtPrinterSurface.h"
#include "fQuintrela.h"

#include <QApplication>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void PrintCalendarToPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    fQuintrela q;
    q.EndDateIsNext = true;
    q.CurrentName = QStringLiteral("Maria");
    ProjectCycles(q, QDate(2001, 3, 1), 28);
    FacePictures faces;
    for (QPixmap &face : faces) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(Qt::yellow);
        face = QPixmap::fromImage(image);
    }
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QtPrinterSurface surface(printer);
        if (!PrintCalendar(q, faces, QStringLiteral("https://quintrela.com.br"), QDate(2001, 3, 1), surface))
            state.SkipWithError("the page was not written");
    }
}
BENCHMARK(PrintCalendarToPdf)->Unit(benchmark::kMillisecond);

} // namespace
