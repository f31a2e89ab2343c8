#pragma once
// The report drawn as an A4 PDF in memory, in Portuguese: her name (or
// none), her last cycles and figures, the chart, her notes day by day and
// the cycles left out. Kept whole by the caller, as the other PDFs.

#include "DoctorReport.h"

#include <QByteArray>

// Empty when the page could not be drawn.
QByteArray reportPdf(const DoctorReport &report);
