#pragma once
// The printer a page goes to, as the print command sees it: asked before
// the page is drawn, then handed the page as PDF bytes. Every way it can
// fail is told apart, so the user hears what really happened.

#include "PrintOutcome.h"
#include "PrinterSurface.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>

class PrintQueue
{
public:
    virtual ~PrintQueue() = default;
    // Whether a page sent now would be taken.
    virtual PrintOutcome ready() const = 0;
    // The paper and margins the page is drawn for.
    virtual QPageLayout pageLayout() const = 0;
    // Hands the page over as one job; Printed once the queue holds it whole.
    // A printer that takes drawings rather than PDF has the page drawn again.
    virtual PrintOutcome print(const QByteArray &pdf, const QString &title,
                               const std::function<bool(PrinterSurface &)> &draw) const = 0;
};

// The system's default printer: CUPS's on Linux, the spooler's on Windows.
std::unique_ptr<PrintQueue> defaultPrintQueue();
