// The print command: the month on view on the default printer, or a PDF.

#include "FrmPrincipal.h"

#include "BusyCursor.h"
#include "CupsQueue.h"
#include "ImageButton.h"
#include "MainWindowDesign.h"
#include "MainWindowTexts.h"
#include "PictureBox.h"
#include "PrintCalendar.h"
#include "QtPrinterSurface.h"
#include "SaveLocation.h"
#include "fQuintrela.h"

#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>

bool FrmPrincipal::drawOn(QPrinter &printer)
{
    FacePictures faces;
    for (int i = 0; i < 4; ++i)
        faces[i] = m_picRosto[i]->findChild<QLabel *>()->pixmap();
    QtPrinterSurface surface(printer);
    return PrintCalendar(m_state, faces, MainWindowDesign::productAddress, m_state.ShownMonth, m_state.ShownYear,
                         surface);
}

bool FrmPrincipal::printOn(QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return drawOn(printer);
    // A queue of the scheduler: asked first, the page drawn as the PDF that
    // Qt would send, and handed over by us, so that a refusal is heard.
    const CupsQueue queue(printer.printerName());
    if (!queue.refusal().isEmpty())
        return false;
    const QTemporaryDir folder;
    QPrinter page(QPrinter::HighResolution);
    page.setOutputFormat(QPrinter::PdfFormat);
    page.setOutputFileName(folder.filePath(QStringLiteral("page.pdf")));
    page.setPageLayout(printer.pageLayout());
    return folder.isValid() && drawOn(page) && queue.submit(page.outputFileName(), page.docName(), nullptr);
}

void FrmPrincipal::imgImprimirClick()
{
    QString failure;
    {
        const BusyCursor busy;
        m_imgCalcular->setBorderStyle(0);
        m_imgImprimir->setBorderStyle(0);
        const std::unique_ptr<QPrinter> printer = m_services.defaultPrinter();
        if (!printer)
            failure = MainWindowTexts::noPrinter;
        else if (!printOn(*printer))
            failure = MainWindowTexts::printerFailed;
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
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    bool saved;
    {
        const BusyCursor busy;
        saved = drawOn(pdf);
    }
    if (!saved)
        m_services.message(this, QMessageBox::Critical, MainWindowTexts::errorTitle, MainWindowTexts::pdfFailed);
}
