#pragma once

#include <QDate>
#include <QPixmap>
#include <QString>

#include <array>

class PrinterSurface;
class fQuintrela;

// The four face pictures: 0 neutral, 1 sad, 2 smiling, 3 laughing.
using FacePictures = std::array<QPixmap, 4>;

// Draws the month of the given day as one landscape page with the marks
// and the name of the last consultation, and sends it. False when the page
// could not be printed.
// notes: the month's notes, a line each ("dia 2: fluxo leve, …"); when
// given, they follow on a page of their own, and the month's page stays as it is.
bool PrintCalendar(const fQuintrela &state, const FacePictures &faces, const QString &productAddress,
                   const QDate &month, PrinterSurface &printer, const QStringList &notes = {});

// Which face and legend a day's mark prints with; -1 and empty for none.
struct PrintedMark
{
    int face = -1;
    QString legend;
};
PrintedMark printedMark(qint32 mark);
