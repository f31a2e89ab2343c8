#include "WindowsPrintQueue.h"

#include "QtPrinterSurface.h"

#include <QPrinter>

WindowsPrintQueue::WindowsPrintQueue()
    : m_printer(QPrinterInfo::defaultPrinter())
{
}

PrintOutcome WindowsPrintQueue::ready() const
{
    if (m_printer.isNull())
        return {PrintOutcome::Status::NoPrinter, {}};
    switch (m_printer.state()) {
    case QPrinter::Error:
        return {PrintOutcome::Status::Stopped, {}};
    case QPrinter::Aborted:
        return {PrintOutcome::Status::Refused, {}};
    default:
        return {};
    }
}

QPageLayout WindowsPrintQueue::pageLayout() const
{
    const QPrinter printer(m_printer, QPrinter::HighResolution);
    return printer.pageLayout();
}

PrintOutcome WindowsPrintQueue::print(const QByteArray &, const QString &title,
                                      const std::function<bool(PrinterSurface &)> &draw) const
{
    QPrinter printer(m_printer, QPrinter::HighResolution);
    printer.setDocName(title);
    bool printed;
    {
        QtPrinterSurface surface(printer);
        printed = draw(surface);
    }
    if (!printed || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return {PrintOutcome::Status::Failed, {}};
    return {};
}

std::unique_ptr<PrintQueue> defaultPrintQueue()
{
    return std::make_unique<WindowsPrintQueue>();
}
