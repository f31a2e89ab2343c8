#include "WindowsPrintQueue.h"

#include "QtPrinterSurface.h"

#include <QPrinter>

#include <windows.h>
#include <winspool.h>

namespace {

// Qt 6.4's Windows print engine tells a page or document the spooler
// refused (EndPage, EndDoc) only in its log ("QWin32PrintEngine::end:
// EndDoc failed", as a critical message), then ends as if it had printed:
// that line is all there is to go by. A message handler is a
// plain function, so what it saw is kept here, for the one print under way.
bool spoolerRefused = false;
QtMessageHandler passedOn = nullptr;

void watchSpooler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if ((type == QtWarningMsg || type == QtCriticalMsg) && message.startsWith(QLatin1String("QWin32PrintEngine::"))
        && message.contains(QLatin1String(" failed")))
        spoolerRefused = true;
    if (passedOn)
        passedOn(type, context, message);
}

class SpoolerWatch
{
public:
    SpoolerWatch()
    {
        spoolerRefused = false;
        passedOn = qInstallMessageHandler(watchSpooler);
    }
    ~SpoolerWatch() { qInstallMessageHandler(passedOn); }
    SpoolerWatch(const SpoolerWatch &) = delete;
    SpoolerWatch &operator=(const SpoolerWatch &) = delete;
    bool refused() const { return spoolerRefused; }
};

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
    if (!known)
        return PrintOutcome::Status::Stopped;
    if (info.dwStatus & (PRINTER_STATUS_PAUSED | PRINTER_STATUS_ERROR | PRINTER_STATUS_PENDING_DELETION))
        return PrintOutcome::Status::Stopped;
    return PrintOutcome::Status::Printed;
}

} // namespace

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
    if (watch.refused())
        return {PrintOutcome::Status::Refused, {}};
    if (!printed || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return {PrintOutcome::Status::Failed, {}};
    return {};
}

std::unique_ptr<PrintQueue> defaultPrintQueue()
{
    return std::make_unique<WindowsPrintQueue>();
}
