#pragma once
// The printed month as PDF bytes in memory, drawn once: the same page is
// kept as a file or handed to the printer, and only when it is whole.

#include "PrinterSurface.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

#include <functional>

struct PrintedPdf
{
    QByteArray bytes; // empty when the page could not be drawn
    QString title;    // the job's name, as the drawing set it
};

// Draws on a PDF page of the given paper and margins.
PrintedPdf drawPrintedPdf(const QPageLayout &layout, const std::function<bool(PrinterSurface &)> &draw);

// The paper of a PDF kept without a printer: the one Qt's PDF printer takes.
QPageLayout defaultPdfLayout();
