// The print command: the month on view on the default printer, or a PDF.

#include "FrmPrincipal.h"

#include <QDir>

#include "BusyCursor.h"
#include "ImageButton.h"
#include "MainWindowDesign.h"
#include "MainWindowTexts.h"
#include "PictureBox.h"
#include "PrintCalendar.h"
#include "PrintQueue.h"
#include "PrintedPdf.h"
#include "SaveLocation.h"
#include "WholeFileSave.h"
#include "fQuintrela.h"

#include <QLabel>

namespace {

// What the user is told when the page did not reach the printer.
QString printFailure(const PrintOutcome &outcome)
{
    using namespace MainWindowTexts;
    using Status = PrintOutcome::Status;
    switch (outcome.status) {
    case Status::Printed:
    case Status::Cancelled:
        return {};
    case Status::NoPrinter:
        return noPrinter;
    case Status::ServiceDown:
        return printServiceDown;
    case Status::Refused:
        return printerFailed.arg(printerRefuses);
    case Status::Stopped:
        return printerFailed.arg(printerStopped);
    case Status::Failed:
        return printerFailed.arg(outcome.detail.isEmpty() ? printerLostPage : printerSaid.arg(outcome.detail));
    }
    return {};
}

} // namespace

std::function<bool(PrinterSurface &)> FrmPrincipal::pageDrawing() const
{
    FacePictures faces;
    for (int i = 0; i < 4; ++i)
        faces[i] = m_picRosto[i]->findChild<QLabel *>()->pixmap();
    return [this, faces](PrinterSurface &surface) {
        return PrintCalendar(m_state, faces, MainWindowDesign::productAddress, m_state.ShownMonth, m_state.ShownYear,
                             surface);
    };
}

PrintedPdf FrmPrincipal::drawPage(const QPageLayout &layout) const
{
    return drawPrintedPdf(layout, pageDrawing());
}

void FrmPrincipal::imgImprimirClick()
{
    QString failure;
    {
        const BusyCursor busy;
        m_imgCalcular->setBorderStyle(0);
        m_imgImprimir->setBorderStyle(0);
        const std::unique_ptr<PrintQueue> queue = m_services.defaultPrinter();
        PrintOutcome outcome = queue->ready();
        if (outcome.ok()) {
            const PrintedPdf page = drawPage(queue->pageLayout());
            outcome = page.bytes.isEmpty() ? PrintOutcome{PrintOutcome::Status::Failed, {}}
                                           : queue->print(page.bytes, page.title, pageDrawing());
        }
        failure = printFailure(outcome);
    }
    if (!failure.isEmpty())
        offerPdf(failure);
}

void FrmPrincipal::offerPdf(const QString &why)
{
    // Nothing is said to be printed when it was not; the page can still be kept.
    if (m_services.askYesNo(this, MainWindowTexts::errorTitle, why))
        savePdf();
}

void FrmPrincipal::savePdf()
{
    const QString suggested = SaveLocation::suggested(
        QStringLiteral("Quintrela %1-%2.pdf").arg(m_state.ShownYear, m_state.ShownMonth.rightJustified(2, u'0')));
    const QString path =
        m_services.chooseSavePath(this, MainWindowTexts::pdfTitle, suggested, MainWindowTexts::pdfFilter);
    if (path.isEmpty())
        return;
    FileProblem problem;
    {
        const BusyCursor busy;
        const PrintedPdf page = drawPage(defaultPdfLayout());
        problem = page.bytes.isEmpty() ? FileProblem{FileProblem::Cause::Other, path, MainWindowTexts::pageNotDrawn}
                                       : saveWholeFile(path, page.bytes);
    }
    if (problem)
        m_services.message(this, QMessageBox::Critical, MainWindowTexts::errorTitle,
                           MainWindowTexts::pdfFailed.arg(problem.sentence()));
    else
        tellSaved(MainWindowTexts::pdfSaved.arg(QDir::toNativeSeparators(path)));
}
