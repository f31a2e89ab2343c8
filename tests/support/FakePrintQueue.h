#pragma once
// A default printer for the window's tests: keeps each page it is handed in
// a file, or answers as the printer in trouble would.

#include "PrintQueue.h"
#include "PrintedPdf.h"
#include "TestSupport.h"

class FakePrintQueue : public PrintQueue
{
public:
    explicit FakePrintQueue(QString file, PrintOutcome readiness = {}, PrintOutcome printing = {})
        : m_file(std::move(file))
        , m_readiness(std::move(readiness))
        , m_printing(std::move(printing))
    {
    }
    PrintOutcome ready() const override { return m_readiness; }
    QPageLayout pageLayout() const override { return defaultPdfLayout(); }
    PrintOutcome print(const QByteArray &pdf, const QString &, const std::function<bool(PrinterSurface &)> &) const override
    {
        if (m_printing.ok())
            TestSupport::writeBytes(m_file, pdf);
        return m_printing;
    }

private:
    QString m_file;
    PrintOutcome m_readiness;
    PrintOutcome m_printing;
};
