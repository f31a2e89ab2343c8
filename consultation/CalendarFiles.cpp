#include "CalendarFiles.h"

#include "CalendarExport.h"
#include "ConsultationTexts.h"
#include "SaveLocation.h"
#include "WholeFileSave.h"
#include "fQuintrela.h"

#include <QDir>

using namespace ConsultationTexts;

namespace {

CalendarFiles::Saved told(const FileProblem &problem, const QString &failed, const QString &saved, const QString &path)
{
    if (problem)
        return {Consultation::Message{Consultation::Message::Kind::Error, failed.arg(problem.sentence()), std::nullopt}, {}};
    return {std::nullopt, saved.arg(QDir::toNativeSeparators(path))};
}

} // namespace

CalendarFiles::CalendarFiles(const fQuintrela &state) : m_state(state) {}

std::optional<Consultation::Message> CalendarFiles::nothingToExport() const
{
    if (!m_state.Projection.isEmpty())
        return std::nullopt;
    return Consultation::Message{Consultation::Message::Kind::Information, ConsultationTexts::nothingToExport, std::nullopt};
}

void CalendarFiles::setProtected(bool protectedName)
{
    if (protectedName == m_protected)
        return;
    m_protected = protectedName;
    m_toldLeaving = false;
}

std::optional<Consultation::Message> CalendarFiles::leavingProtection()
{
    if (!m_protected || m_toldLeaving)
        return std::nullopt;
    m_toldLeaving = true;
    return Consultation::Message{Consultation::Message::Kind::Information, ConsultationTexts::leavesProtection, std::nullopt};
}

QString CalendarFiles::suggestedExportPath() const
{
    if (m_protected)
        return SaveLocation::suggested(QStringLiteral("Quintrela.ics"));
    return SaveLocation::suggested(QStringLiteral("Quintrela %1.ics").arg(SaveLocation::fileNameFor(m_state.CurrentName)));
}

CalendarFiles::Saved CalendarFiles::exportTo(const QString &path, const QDateTime &stamp,
                                             const std::optional<CalendarExport::HistoryRange> &range) const
{
    return told(CalendarExport::save(path, m_state.CurrentName, m_state.Projection, stamp, range), exportFailed,
                exportSaved, path);
}

QString CalendarFiles::suggestedPdfPath() const
{
    return SaveLocation::suggested(QStringLiteral("Quintrela %1-%2.pdf")
                                       .arg(QString::number(m_state.ShownYear),
                                            QString::number(m_state.ShownMonth).rightJustified(2, u'0')));
}

CalendarFiles::Saved CalendarFiles::savePdf(const QString &path, const QByteArray &page) const
{
    const FileProblem problem =
        page.isEmpty() ? FileProblem{FileProblem::Cause::Other, path, pageNotDrawn} : saveWholeFile(path, page);
    return told(problem, pdfFailed, pdfSaved, path);
}

QString CalendarFiles::printFailure(const PrintOutcome &outcome)
{
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
