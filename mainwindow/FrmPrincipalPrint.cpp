// The print command: the month on view on the default printer, or a PDF.

#include "FrmPrincipal.h"

#include "BusyCursor.h"
#include "ImageButton.h"
#include "MainWindowDesign.h"
#include "MainWindowTexts.h"
#include "PictureBox.h"
#include "PrintCalendar.h"
#include "QtPrinterSurface.h"
#include "fQuintrela.h"

#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QStandardPaths>

bool FrmPrincipal::printOn(QPrinter &printer)
{
    FacePictures faces;
    for (int i = 0; i < 4; ++i)
        faces[i] = m_picRosto[i]->findChild<QLabel *>()->pixmap();
    QtPrinterSurface surface(printer);
    return PrintCalendar(m_state, faces, MainWindowDesign::productAddress, m_state.ShownMonth, m_state.ShownYear,
                         surface);
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
    if (!m_services.askYesNo(this, MainWindowTexts::errorTitle, why))
        return;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(documents.isEmpty() ? QDir::homePath() : documents)
                                  .filePath(QStringLiteral("Quintrela %1-%2.pdf")
                                                .arg(m_state.ShownYear, m_state.ShownMonth.rightJustified(2, u'0')));
    const QString path = m_services.choosePdfPath(this, suggested);
    if (path.isEmpty())
        return;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    bool saved;
    {
        const BusyCursor busy;
        saved = printOn(pdf);
    }
    if (!saved)
        m_services.message(this, QMessageBox::Critical, MainWindowTexts::errorTitle, MainWindowTexts::pdfFailed);
}
