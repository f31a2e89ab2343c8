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

private:
    QPrinterInfo m_printer;
};
