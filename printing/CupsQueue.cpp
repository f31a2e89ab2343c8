#include "CupsQueue.h"

#include <QFile>

#include <cups/cups.h>

CupsQueue::CupsQueue(QString name)
    : m_name(std::move(name))
{
}

QString CupsQueue::refusal() const
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, m_name.toUtf8().constData(), nullptr);
    if (!dest)
        return QStringLiteral("unknown printer: ") + QString::fromUtf8(cupsLastErrorString());
    QString why;
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0)
        why = QStringLiteral("the printer refuses jobs");
    else if (state && qstrcmp(state, "5") == 0) // IPP_PSTATE_STOPPED
        why = QStringLiteral("the printer is stopped");
    cupsFreeDests(1, dest);
    return why;
}

bool CupsQueue::submit(const QString &pdfPath, const QString &title, QString *error) const
{
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, m_name.toUtf8().constData(), QFile::encodeName(pdfPath).constData(),
                                   title.toUtf8().constData(), 0, nullptr);
    if (job == 0 && error)
        *error = QString::fromUtf8(cupsLastErrorString());
    return job != 0;
}
