#include "PrintedPdf.h"

#include "QtPrinterSurface.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPageSize>

namespace {

// Qt's high resolution for PDF; the page is vectors, so only its units.
constexpr int pdfResolution = 1200;

} // namespace

PrintedPdf drawPrintedPdf(const QPageLayout &layout, const std::function<bool(PrinterSurface &)> &draw)
{
    PrintedPdf page;
    QBuffer buffer(&page.bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    bool drawn;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(pdfResolution);
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
    // Qt's PDF printer without a printer behind it: A4, 10 mm margins. Built
    // here rather than asked of a QPrinter, which would ask the print
    // service again, the one that has just failed when the PDF is offered.
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}
