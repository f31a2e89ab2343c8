#pragma once
// The default printer of Windows' spooler, through Qt's Windows print
// support: the spooler takes drawings, so the page is drawn again on the
// printer, and every refusal on the way is told.

#include "PrintQueue.h"

#include <QPrinterInfo>

class WindowsPrintQueue : public PrintQueue
{
public:
    WindowsPrintQueue();

    PrintOutcome ready() const override;
    QPageLayout pageLayout() const override;
    PrintOutcome print(const QByteArray &pdf, const QString &title,
                       const std::function<bool(PrinterSurface &)> &draw) const override;

    // A printer in the spooler's state (PRINTER_INFO_6) takes a job or not.
    static PrintOutcome::Status statusOf(unsigned long spoolerStatus);

private:
    QPrinterInfo m_printer;
};
