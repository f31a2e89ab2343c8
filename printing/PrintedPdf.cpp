#include "PrintedPdf.h"

#include "QtPrinterSurface.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

PrintedPdf drawPrintedPdf(const QPageLayout &layout, const std::function<bool(PrinterSurface &)> &draw)
{
    PrintedPdf page;
    QBuffer buffer(&page.bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    bool drawn;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(QPrinter(QPrinter::HighResolution).resolution());
        writer.setPageLayout(layout);
        writer.setCreator(QStringLiteral("Quintrela"));
        QtPrinterSurface surface(writer);
        drawn = draw(surface);
        page.title = surface.jobTitle();
    }
    // A page cut short is no page.
    const bool whole = page.bytes.startsWith("%PDF-") && page.bytes.trimmed().endsWith("%%EOF");
    if (!drawn || !whole)
        return {};
    return page;
}

QPageLayout defaultPdfLayout()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    return printer.pageLayout();
}
