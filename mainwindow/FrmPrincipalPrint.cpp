// The print command: the month on view on the default printer, or a PDF.

#include "FrmPrincipal.h"

#include "BusyCursor.h"
#include "ConsultationTexts.h"
#include "ImageButton.h"
#include "MainWindowDesign.h"
#include "MainWindowTexts.h"
#include "PictureBox.h"
#include "PrintCalendar.h"
#include "PrintQueue.h"
#include "PrintedPdf.h"
#include "fQuintrela.h"

#include <QLabel>

std::function<bool(PrinterSurface &)> FrmPrincipal::pageDrawing() const
{
    FacePictures faces;
    for (int i = 0; i < 4; ++i)
        faces[i] = m_ui.picRosto[i]->findChild<QLabel *>()->pixmap();
    // Her notes of the month on a page of their own, when she asked for them.
    QStringList notes;
    const QDate first = m_state.shownMonthStart();
    for (QDate day = first; m_printNotes && day.month() == first.month(); day = day.addDays(1)) {
        if (m_notes.has(day))
            notes << QStringLiteral("Dia %1: %2").arg(day.day()).arg(DayNotes::words(m_notes.at(day)));
    }
    return [this, faces, notes](PrinterSurface &surface) {
        return PrintCalendar(m_state, faces, MainWindowDesign::productAddress, m_state.shownMonthStart(), surface,
                             notes);
    };
}

PrintedPdf FrmPrincipal::drawPage(const QPageLayout &layout) const
{
    return drawPrintedPdf(layout, pageDrawing());
}

void FrmPrincipal::imgImprimirClick()
{
    tell(m_files.leavingProtection(), MainWindowTexts::printAction);
    QString failure;
    {
        const BusyCursor busy;
        m_ui.imgCalcular->setBorderStyle(0);
        m_ui.imgImprimir->setBorderStyle(0);
        const std::unique_ptr<PrintQueue> queue = m_services.defaultPrinter();
        PrintOutcome outcome = queue->ready();
        if (outcome.ok()) {
            const PrintedPdf page = drawPage(queue->pageLayout());
            outcome = page.bytes.isEmpty() ? PrintOutcome{PrintOutcome::Status::Failed, {}}
                                           : queue->print(page.bytes, page.title, pageDrawing());
        }
        failure = CalendarFiles::printFailure(outcome);
    }
    // Nothing is said to be printed when it was not; the page can still be kept.
    if (!failure.isEmpty() && m_services.askYesNo(this, ConsultationTexts::errorTitle, failure))
        savePdf();
}

void FrmPrincipal::savePdf()
{
    tell(m_files.leavingProtection(), MainWindowTexts::pdfTitle);
    const QString path = m_services.chooseSavePath(this, MainWindowTexts::pdfTitle, m_files.suggestedPdfPath(),
                                                   MainWindowTexts::pdfFilter);
    if (path.isEmpty())
        return;
    CalendarFiles::Saved saved;
    {
        const BusyCursor busy;
        saved = m_files.savePdf(path, drawPage(defaultPdfLayout()).bytes);
    }
    tell(saved.failure, ConsultationTexts::errorTitle);
    if (!saved.failure)
        tellSaved(saved.sentence);
}
