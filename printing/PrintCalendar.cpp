#include "PrintCalendar.h"

#include "DateText.h"
#include "DayWords.h"
#include "MarkColors.h"
#include "MonthGrid.h"
#include "PrinterSurface.h"
#include "PrintingDesign.h"
#include "fQuintrela.h"

using namespace PrintingDesign;

PrintedMark printedMark(qint32 mark)
{
    // Faces: 0 neutral, 1 sad, 2 smiling, 3 laughing.
    int face;
    switch (mark) {
    case MarkColors::markApice:
        face = 1;
        break;
    case MarkColors::markMaisP:
        face = 0;
        break;
    case MarkColors::markProxima:
        face = 3;
        break;
    case MarkColors::markMenosP:
        face = 2;
        break;
    default:
        return {};
    }
    return {face, u'(' + DayWords::meaning(mark) + u')'};
}

namespace {

void printAt(PrinterSurface &p, double x, double y, const QString &text)
{
    p.setCurrentX(x);
    p.setCurrentY(y);
    p.print(text);
}

// The heading with the name, cut with "…" where it would end less than the
// gap before the title; measured in the current font.
QString heading(const PrinterSurface &p, const QString &name, double titleLeft)
{
    const double limit = titleLeft - headingGapBeforeTitle - headingX;
    const QString whole = headingText + name;
    if (p.textWidth(whole) <= limit)
        return whole;
    qsizetype fits = 0, tooLong = name.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (p.textWidth(headingText + name.left(middle).trimmed() + u'…') <= limit)
            fits = middle;
        else
            tooLong = middle;
    }
    return headingText + name.left(fits).trimmed() + u'…';
}

} // namespace

namespace {

// Her notes under the month's name, wrapped to the page's width.
bool printNotes(PrinterSurface &p, const QString &caption, const QStringList &notes)
{
    if (!p.newPage())
        return false;
    p.setFontName(QString::fromLatin1(fontName));
    p.setFontBold(true);
    p.setFontSize(titleSize / 2);
    printAt(p, frameLeft, frameTop, QStringLiteral("Anotações de ") + caption);
    p.setFontBold(false);
    p.setFontSize(adviceSize);
    double y = frameTop + 2 * p.textHeight(caption);
    const double width = frameRight - frameLeft;
    for (const QString &note : notes) {
        QString line;
        for (const QString &word : note.split(u' ')) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && p.textWidth(longer) > width) {
                printAt(p, frameLeft, y, line);
                y += p.textHeight(line);
                if (y > frameBottom - p.textHeight(line) * 2) {
                    if (!p.newPage())
                        return false;
                    y = frameTop;
                }
                line = QStringLiteral("    ") + word;
            } else {
                line = longer;
            }
        }
        printAt(p, frameLeft, y, line);
        y += p.textHeight(line) * 1.3;
        if (y > frameBottom - p.textHeight(line) * 2) {
            if (!p.newPage())
                return false;
            y = frameTop;
        }
    }
    return true;
}

} // namespace

bool PrintCalendar(const fQuintrela &state, const FacePictures &faces, const QString &productAddress,
                   const QDate &month, PrinterSurface &p, const QStringList &notes)
{
    const MonthGrid::Layout layout = MonthGrid::layout(month.month(), month.year());
    if (!layout.valid)
        return false;

    p.setJobTitle(jobTitleStart + layout.caption);
    p.setLandscape();
    p.setLineWidth(lineWidth);

    p.rectangle(frameLeft, frameTop, frameRight, frameBottom, 0);
    p.line(frameLeft, titleBandBottom, frameRight, titleBandBottom, 0);
    p.line(frameLeft, headingBandBottom, frameRight, headingBandBottom, 0);
    for (int i = 1; i <= 5; ++i)
        p.line(frameLeft, headingBandBottom + rowHeight * i, frameRight, headingBandBottom + rowHeight * i, 0);
    for (int j = 1; j <= 6; ++j)
        p.line(frameLeft + columnWidth * j, titleBandBottom, frameLeft + columnWidth * j, frameBottom, 0);

    p.setFontName(QString::fromLatin1(fontName));
    p.setFontBold(false);

    p.setFontSize(titleSize);
    const QString title = layout.caption;
    const double titleLeft = titleRight - p.textWidth(title);
    printAt(p, titleLeft, frameTop + (18 - p.textHeight(title)) / 2, title);

    p.setFontSize(headingSize);
    printAt(p, headingX, headingY, heading(p, state.CurrentName, titleLeft));
    const double hC = p.textHeight(QStringLiteral("C"));
    printAt(p, headingX, headingY + hC, sloganText);
    p.setCurrentX(headingX);
    p.setCurrentY(headingY + 2 * hC);
    p.setFontSize(addressSize);
    p.setFontBold(true);
    p.print(productAddress);
    p.setFontBold(false);

    p.setFontSize(adviceSize);
    printAt(p, adviceX, adviceY, adviceText);

    p.setFontSize(weekdaySize);
    for (int c = 0; c < 7; ++c) {
        const QString day = QString::fromUtf8(weekdayText[c]);
        printAt(p, headingAnchor[c] + (columnWidth - p.textWidth(day)) / 2,
                titleBandBottom + (10 - p.textHeight(day)) / 2, day);
    }

    int k = layout.firstColumn;
    for (const QDate &date : layout.dates) {
        const double r = rightAnchor[k % 7];
        const double t = topAnchor[k / 7];
        p.setFontSize(daySize);
        const QString dayText = DateText::twoDigits(date.day());
        printAt(p, r - p.textWidth(dayText), t, dayText);

        const qint32 mark = state.DayMarks.at(date);
        const PrintedMark printed = printedMark(mark);
        if (printed.face >= 0) {
            const QString sample = QStringLiteral("01");
            p.paintPicture(faces[printed.face], r - columnWidth + 1, t + 1, p.textWidth(sample) - 1,
                           p.textHeight(sample) - 1);
        }
        if (!printed.legend.isEmpty()) {
            p.setFontSize(legendSize);
            printAt(p, r - 33.2 + (33.4 - p.textWidth(printed.legend)) / 2,
                    t + 24.4 - p.textHeight(printed.legend), printed.legend);
        }
        ++k;
    }
    if (!notes.isEmpty() && !printNotes(p, layout.caption, notes)) {
        p.endDoc();
        return false;
    }
    return p.endDoc();
}
