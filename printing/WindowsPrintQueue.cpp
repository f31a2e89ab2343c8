#include "WindowsPrintQueue.h"

#include "QtPrinterSurface.h"
#include "SpoolerWatch.h"

#include <QPrinter>

#include <windows.h>
#include <winspool.h>

namespace {

// The spooler's own word on the printer. Only a paused, failed or deleted
// printer is refused; one low on toner or out of paper takes the job, as
// Windows would (Qt 6.4 calls any state outside a short list an error).
PrintOutcome::Status spoolerState(const QString &printer)
{
    HANDLE handle = nullptr;
    std::wstring name = printer.toStdWString();
    if (!OpenPrinterW(name.data(), &handle, nullptr))
        return PrintOutcome::Status::Stopped;
    PRINTER_INFO_6 info {};
    DWORD needed = 0;
    const bool known = GetPrinterW(handle, 6, reinterpret_cast<BYTE *>(&info), sizeof info, &needed);
    ClosePrinter(handle);
    return known ? WindowsPrintQueue::statusOf(info.dwStatus) : PrintOutcome::Status::Stopped;
}

} // namespace

PrintOutcome::Status WindowsPrintQueue::statusOf(unsigned long spoolerStatus)
{
    if (spoolerStatus & (PRINTER_STATUS_PAUSED | PRINTER_STATUS_ERROR | PRINTER_STATUS_PENDING_DELETION))
        return PrintOutcome::Status::Stopped;
    return PrintOutcome::Status::Printed;
}

WindowsPrintQueue::WindowsPrintQueue()
    : m_printer(QPrinterInfo::defaultPrinter())
{
}

PrintOutcome WindowsPrintQueue::ready() const
{
    if (m_printer.isNull())
        return {PrintOutcome::Status::NoPrinter, {}};
    return {spoolerState(m_printer.printerName()), {}};
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
    const SpoolerWatch watch;
    {
        QtPrinterSurface surface(printer);
        printed = draw(surface);
    } // the document is handed to the spooler here
    if (watch.seen() == SpoolerWatch::Seen::Cancelled)
        return {PrintOutcome::Status::Cancelled, {}};
    if (watch.seen() == SpoolerWatch::Seen::Refused)
        return {PrintOutcome::Status::Refused, {}};
    if (!printed || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return {PrintOutcome::Status::Failed, {}};
    return {};
}

std::unique_ptr<PrintQueue> defaultPrintQueue()
{
    return std::make_unique<WindowsPrintQueue>();
}
