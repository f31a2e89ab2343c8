#pragma once
// The system's default printer on the CUPS scheduler, asked directly: Qt's
// own CUPS printing hands its job over without looking at the answer, so a
// queue that refuses jobs or is stopped lost the page without a word. The
// page is streamed to the scheduler: no copy of it is left on the disk.
// A default set as an instance ("queue/instance") prints with the
// instance's options.

#include "PrintQueue.h"

class CupsQueue : public PrintQueue
{
public:
    // The default destination, as lp would take it (lpoptions, LPDEST, PRINTER).
    CupsQueue();

    PrintOutcome ready() const override;
    QPageLayout pageLayout() const override;
    PrintOutcome print(const QByteArray &pdf, const QString &title,
                       const std::function<bool(PrinterSurface &)> &draw) const override;

private:
    QString m_name;
    QString m_instance;
    PrintOutcome m_found; // how finding the queue went
};
