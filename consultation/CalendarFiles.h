#pragma once
// The consultation on view as it leaves the program: a calendar file, a
// PDF, a printed page. Decided here; the window asks for the place and
// shows what it is told.

#include "Consultation.h"
#include "PrintOutcome.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

class fQuintrela;

class CalendarFiles
{
public:
    explicit CalendarFiles(const fQuintrela &state);

    // What was written, in a sentence she can see and hear; or why not.
    struct Saved
    {
        std::optional<Consultation::Message> failure;
        QString sentence;
    };

    // Her protected name on view: the files suggested carry no name, and she
    // is told once, before the first one, that it is not protected.
    void setProtected(bool protectedName);
    std::optional<Consultation::Message> leavingProtection();

    // Nothing to carry to her calendar before a consultation.
    std::optional<Consultation::Message> nothingToExport() const;
    QString suggestedExportPath() const;
    Saved exportTo(const QString &path, const QDateTime &stamp,
                   const std::optional<CalendarExport::HistoryRange> &range = std::nullopt) const;

    QString suggestedPdfPath() const;
    // The page as drawn; empty bytes when it could not be.
    Saved savePdf(const QString &path, const QByteArray &page) const;

    // Why the page did not reach the printer, with the offer of a PDF;
    // empty when there is nothing to tell (printed, or she cancelled).
    static QString printFailure(const PrintOutcome &outcome);

private:
    const fQuintrela &m_state;
    bool m_protected = false;
    bool m_toldLeaving = false;
};
